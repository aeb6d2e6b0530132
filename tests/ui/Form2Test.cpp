#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <initializer_list>
#include <vector>

#include "random/RandomSource.h"
#include "support/Draws.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form2.h"
#include "ui/kit/Navigator.h"

namespace quendaro {

using testing::Caption;
using testing::Child;
using testing::Click;
using testing::ShowAndWait;
namespace {

using testing::RecordingPlatform;

const QString kWarning = QStringLiteral(
    "Selezionare se si vogliono generare nomi maschili o femminili");

// Writes what the window asked of the navigator into the platform's event
// list, so that a test sees messages and navigation in one order.
class RecordingNavigator final : public Navigator {
 public:
  explicit RecordingNavigator(RecordingPlatform& platform)
      : platform_(platform) {}
  void Show(FormId target) override { Record("Show", target); }
  void SwitchTo(FormId target, QWidget*) override {
    Record("SwitchTo", target);
  }
  void OpenOwned(FormId target, QWidget*) override {
    Record("OpenOwned", target);
  }
  void ShowAndHide(FormId target, QWidget*) override {
    Record("ShowAndHide", target);
  }
  void Close(FormId target) override { Record("Close", target); }

 private:
  void Record(const char* what, FormId target) {
    platform_.events << QStringLiteral("%1 Form%2")
                            .arg(QString::fromLatin1(what))
                            .arg(static_cast<int>(target) + 1);
  }
  RecordingPlatform& platform_;
};

void ScriptPercents(RandomSource& random, std::initializer_list<int> rolls) {
  std::vector<float> draws;
  for (const int roll : rolls) draws.push_back(testing::DrawFor(99, 1, roll));
  random.ScriptDraws(draws);
}

}  // namespace

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void opensAsDesigned() {
    RandomSource random;
    RecordingPlatform platform;
    Form2 window(random, platform);
    QCOMPARE(window.objectName(), QStringLiteral("Form2"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Genera-Nomi"));
    QCOMPARE(Child<QGroupBox>(window, "Frame1")->title(),
             QStringLiteral("Nomi"));

    auto* male = Child<QRadioButton>(window, "Option1");
    auto* female = Child<QRadioButton>(window, "Option2");
    QCOMPARE(male->text(), QStringLiteral("Maschili"));
    QCOMPARE(male->toolTip(),
             QStringLiteral("Selezionado questa opzione verranno "
                            "visualizzati nomi maschili"));
    QCOMPARE(female->text(), QStringLiteral("Femminili"));
    QCOMPARE(female->toolTip(),
             QStringLiteral("Selezionado questa opzione verranno "
                            "visualizzati nomi femminili"));
    QVERIFY(!male->isChecked());
    QVERIFY(!female->isChecked());

    auto* generate = Child<QPushButton>(window, "Command1");
    auto* clear = Child<QPushButton>(window, "Command2");
    // The captions carry their access keys ("&Genera"); the words are the
    // design's.
    QCOMPARE(generate->text().remove(u'&'), QStringLiteral("Genera"));
    QCOMPARE(generate->toolTip(),
             QString::fromUtf8("Genera un nome tra oltre 2200 possibilità"));
    QCOMPARE(clear->text().remove(u'&'), QStringLiteral("Cancella"));
    QCOMPARE(clear->toolTip(), QStringLiteral("elimina il nome visualizzato"));
    QVERIFY(!clear->isEnabled());
    QVERIFY(Child<QLabel>(window, "Label1")->text().isEmpty());
  }

  void generatesTheChosenKind_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<int>>("rolls");
    QTest::addColumn<QString>("name");
    QTest::newRow("male") << "Option1" << QList<int>{75, 60, 49, 99}
                          << "Gwenaardrak";
    QTest::newRow("female")
        << "Option2" << QList<int>{90, 79, 1, 20} << "Lunaphreami";
    QTest::newRow("two parts")
        << "Option2" << QList<int>{60, 1, 50} << "Thornthire";
  }

  void generatesTheChosenKind() {
    QFETCH(QString, option);
    QFETCH(QList<int>, rolls);
    QFETCH(QString, name);
    RandomSource random;
    RecordingPlatform platform;
    RecordingNavigator navigator(platform);
    Form2 window(random, platform, &navigator);
    QVERIFY(ShowAndWait(window));
    std::vector<float> draws;
    for (const int roll : rolls) draws.push_back(testing::DrawFor(99, 1, roll));
    random.ScriptDraws(draws);

    Click(window, option.toLatin1().constData());
    Click(window, "Command1");
    QCOMPARE(Child<QLabel>(window, "Label1")->text(), name);
    QVERIFY(Child<QPushButton>(window, "Command2")->isEnabled());
    QCOMPARE(random.DrawCount(), static_cast<std::size_t>(rolls.size()));
    QVERIFY(platform.events.isEmpty());
  }

  void noChoiceWarnsAndReturnsToTheCharacterWindow() {
    RandomSource random;
    RecordingPlatform platform;
    RecordingNavigator navigator(platform);
    Form2 window(random, platform, &navigator);
    QVERIFY(ShowAndWait(window));

    Click(window, "Command1");
    QCOMPARE(platform.events,
             QStringList({kWarning, QStringLiteral("Show Form1")}));
    QVERIFY(Child<QLabel>(window, "Label1")->text().isEmpty());
    QVERIFY(!Child<QPushButton>(window, "Command2")->isEnabled());
    // The first part is drawn before the missing choice is noticed.
    QCOMPARE(random.DrawCount(), std::size_t{1});
  }

  void noChoiceWithoutNavigatorStillWarns() {
    RandomSource random;
    RecordingPlatform platform;
    Form2 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Click(window, "Command1");
    QCOMPARE(platform.events, QStringList{kWarning});
    QVERIFY(!Child<QPushButton>(window, "Command2")->isEnabled());
  }

  void clearEmptiesTheNameAndDisablesItself() {
    RandomSource random;
    RecordingPlatform platform;
    Form2 window(random, platform);
    QVERIFY(ShowAndWait(window));
    auto* clear = Child<QPushButton>(window, "Command2");
    auto* label = Child<QLabel>(window, "Label1");

    ScriptPercents(random, {30, 40, 50});
    Click(window, "Option1");
    Click(window, "Command1");
    QCOMPARE(label->text(), QStringLiteral("Karmon"));

    Click(window, "Command2");
    QVERIFY(label->text().isEmpty());
    QVERIFY(!clear->isEnabled());

    Click(window, "Command1");
    QVERIFY(!label->text().isEmpty());
    QVERIFY(clear->isEnabled());
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::Form2Test)
#include "Form2Test.moc"
