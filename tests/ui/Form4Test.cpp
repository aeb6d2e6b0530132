#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "random/RandomSource.h"
#include "support/Draws.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form4.h"

namespace quendaro {

using testing::Caption;
using testing::Child;
using testing::Click;
using testing::ShowAndWait;
namespace {

using testing::DrawFor;
using testing::kLargestDraw;
using testing::kSmallestDraw;
using testing::RecordingPlatform;

const char* const kRollButtons[] = {"Command1", "Command2", "Command3",
                                    "Command4"};
const char* const kPointBoxes[] = {"Text5", "Text6", "Text7", "Text8"};
const char* const kClearButtons[] = {"Command5", "Command6", "Command7",
                                     "Command8"};

}  // namespace

class Form4Test : public QObject {
  Q_OBJECT

 private:
  void TypeLevel(Form4& window, const QString& level) {
    QLineEdit* edit = Child<QComboBox>(window, "Combo1")->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, level);
  }

  void Click(Form4& window, const char* button) {
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
  }

  QString Points(Form4& window, const char* box) {
    return Child<QLineEdit>(window, box)->text();
  }

 private slots:
  void opensAsDesigned() {
    RandomSource random;
    RecordingPlatform platform;
    Form4 window(random, platform);
    QCOMPARE(window.objectName(), QStringLiteral("Form4"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tira Punti-ferita (PF)"));
    QCOMPARE(Child<QLabel>(window, "Label1")->text(),
             QStringLiteral("       max      PF   CANC"));
    QCOMPARE(Child<QLabel>(window, "Label2")->text(),
             QStringLiteral("N. Livello :"));

    auto* level = Child<QComboBox>(window, "Combo1");
    QVERIFY(level->isEditable());
    QCOMPARE(level->currentText(), QStringLiteral("1"));
    QCOMPARE(level->count(), 20);
    QCOMPARE(level->itemText(0), QStringLiteral("1"));
    QCOMPARE(level->itemText(19), QStringLiteral("20"));

    auto* reroll = Child<QCheckBox>(window, "Check1");
    QVERIFY(!reroll->isChecked());
    QCOMPARE(reroll->text(),
             QString::fromUtf8("Ritira se il punteggio è minore della metà"));
    for (const char* box : kPointBoxes) QVERIFY(Points(window, box).isEmpty());
    for (const char* button : kClearButtons) {
      QVERIFY(Child<QPushButton>(window, button)->text().isEmpty());
    }
  }

  void rowsAsDesigned_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("buttonTip");
    QTest::addColumn<QString>("dieBox");
    QTest::addColumn<QString>("die");
    QTest::addColumn<QString>("dieTip");
    QTest::newRow("Militare") << "Command1"
                              << "Militare"
                              << "Sono compresi Guerrieri,Barbari,Paladini..."
                              << "Text1"
                              << "10"
                              << "I guerriieri tirano 1d10 per i punti ferita";
    QTest::newRow("Vagabondo") << "Command2"
                               << "Vagabondo"
                               << "Sono compresi ladri,bardi,psionici,zingari.."
                               << "Text2"
                               << "6"
                               << "I vagabondi tirano 1d6 per i punti ferita";
    QTest::newRow("Sacerdote") << "Command3"
                               << "Sacerdote"
                               << "Sono compresi chierici e druidi"
                               << "Text3"
                               << "8"
                               << "I sacerdoti tirano  1d8 per i punti ferita";
    QTest::newRow("Esperto di magia")
        << "Command4"
        << "Esperto di magia"
        << "Sono compresi i maghi"
        << "Text4"
        << "4"
        << "i maghi tirano 1d4 per i punti ferita";
  }

  void rowsAsDesigned() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, buttonTip);
    QFETCH(QString, dieBox);
    QFETCH(QString, die);
    QFETCH(QString, dieTip);
    RandomSource random;
    RecordingPlatform platform;
    Form4 window(random, platform);
    auto* roll = window.findChild<QPushButton*>(button);
    QVERIFY(roll != nullptr);
    // The caption carries its access key ("&Militare").
    QCOMPARE(roll->text().remove(u'&'), caption);
    QCOMPARE(roll->toolTip(), buttonTip);
    auto* box = window.findChild<QLineEdit*>(dieBox);
    QVERIFY(box != nullptr);
    QCOMPARE(box->text(), die);
    QCOMPARE(box->toolTip(), dieTip);
  }

  // The "max" boxes show each class's die; typing there would change
  // nothing the roll reads, so they take none.
  void dieBoxesTakeNoTyping() {
    RandomSource random;
    RecordingPlatform platform;
    Form4 window(random, platform);
    QVERIFY(ShowAndWait(window));
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"}) {
      auto* die = Child<QLineEdit>(window, box);
      const QString before = die->text();
      die->setFocus();
      QTest::keyClick(die, Qt::Key_End);
      QTest::keyClick(die, Qt::Key_Backspace);
      QTest::keyClicks(die, QStringLiteral("20"));
      QCOMPARE(die->text(), before);
      QVERIFY(die->isReadOnly());
    }
  }

  void rollFillsOnlyItsOwnRow() {
    RandomSource random;
    RecordingPlatform platform;
    Form4 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Child<QLineEdit>(window, "Text5")->setText(QStringLiteral("7"));

    random.ScriptDraws({kSmallestDraw, kLargestDraw});
    Click(window, "Command3");
    QCOMPARE(Points(window, "Text7"), QStringLiteral("1"));
    Click(window, "Command3");
    QCOMPARE(Points(window, "Text7"), QStringLiteral("8"));

    QCOMPARE(Points(window, "Text5"), QStringLiteral("7"));
    QVERIFY(Points(window, "Text6").isEmpty());
    QVERIFY(Points(window, "Text8").isEmpty());
    QCOMPARE(random.DrawCount(), std::size_t{2});
    QVERIFY(platform.events.isEmpty());
  }

  void rollReadsLevelAndOption() {
    RandomSource random;
    RecordingPlatform platform;
    Form4 window(random, platform);
    QVERIFY(ShowAndWait(window));
    TypeLevel(window, QStringLiteral("20"));
    QTest::mouseClick(Child<QCheckBox>(window, "Check1"), Qt::LeftButton);
    QVERIFY(Child<QCheckBox>(window, "Check1")->isChecked());

    random.ScriptDraws({kSmallestDraw, kLargestDraw});
    Click(window, "Command4");
    QCOMPARE(Points(window, "Text8"), QStringLiteral("30"));
    Click(window, "Command1");
    QCOMPARE(Points(window, "Text5"), QStringLiteral("123"));
  }

  void levelUsesTheRegionalSeparator() {
    RandomSource random;
    RecordingPlatform platform(',');
    Form4 window(random, platform);
    QVERIFY(ShowAndWait(window));
    TypeLevel(window, QStringLiteral("3,0"));
    random.ScriptDraws({DrawFor(13, 6, 17)});
    Click(window, "Command2");
    QCOMPARE(Points(window, "Text6"), QStringLiteral("17"));
  }

  void levelOutsideTheTableEmptiesTheRow_data() {
    QTest::addColumn<QString>("level");
    QTest::newRow("21") << "21";
    QTest::newRow("0") << "0";
    QTest::newRow("2.5") << "2.5";
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
  }

  void levelOutsideTheTableEmptiesTheRow() {
    QFETCH(QString, level);
    RandomSource random;
    RecordingPlatform platform;
    Form4 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Click(window, "Command1");
    QVERIFY(!Points(window, "Text5").isEmpty());

    TypeLevel(window, level);
    const std::size_t draws = random.DrawCount();
    Click(window, "Command1");
    QVERIFY(Points(window, "Text5").isEmpty());
    QCOMPARE(random.DrawCount(), draws);
    QVERIFY(platform.events.isEmpty());
  }

  void clearButtonEmptiesOnlyItsRow_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < 4; ++row) {
      QTest::newRow(kClearButtons[row]) << row;
    }
  }

  void clearButtonEmptiesOnlyItsRow() {
    QFETCH(int, row);
    RandomSource random;
    RecordingPlatform platform;
    Form4 window(random, platform);
    QVERIFY(ShowAndWait(window));
    for (const char* button : kRollButtons) Click(window, button);
    for (const char* box : kPointBoxes) QVERIFY(!Points(window, box).isEmpty());

    const std::size_t draws = random.DrawCount();
    Click(window, kClearButtons[row]);
    for (int other = 0; other < 4; ++other) {
      QCOMPARE(Points(window, kPointBoxes[other]).isEmpty(), other == row);
    }
    QCOMPARE(random.DrawCount(), draws);
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::Form4Test)
#include "Form4Test.moc"
