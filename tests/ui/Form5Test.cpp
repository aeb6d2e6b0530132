#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "random/RandomSource.h"
#include "support/Draws.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form5.h"
#include "ui/kit/AboutTexts.h"

namespace quendaro {

using testing::Caption;
using testing::Child;
using testing::Click;
using testing::ShowAndWait;
namespace {

using testing::DrawFor;
using testing::kLargestDraw;
using testing::RecordingPlatform;

const QString kXRay = QStringLiteral(
    "Vista a raggi X, raggio 40m, 2 volte al giorno 1 turno x uso");

// Every label a weapon writes, in no particular order.
const char* const kOutputs[] = {
    "Label1",  "Label4",  "Label6",  "Label7",  "Label8",  "Label10", "Label11",
    "Label12", "Label19", "Label20", "Label23", "Label25", "Label27"};

// Six languages, +5, intelligence 17 and three X-ray powers, each with a
// special purpose: every output label gets a text.
std::vector<float> FullWeapon() { return std::vector<float>(16, kLargestDraw); }

// One language, +1, "Legale buono", intelligence 12 and a single sense.
std::vector<float> PlainWeapon() {
  return {DrawFor(100, 1, 1), DrawFor(20, 1, 1), DrawFor(100, 1, 40),
          DrawFor(100, 1, 1), DrawFor(100, 1, 88)};
}

}  // namespace

class Form5Test : public QObject {
  Q_OBJECT

 private:
 private slots:
  void opensAsDesigned() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    QCOMPARE(window.objectName(), QStringLiteral("Form5"));
    QCOMPARE(window.windowTitle(),
             QStringLiteral(
                 "Quendaro 32 v.1.00 C - Generatore di armi intelligenti"));
    QVERIFY(!Child<QPushButton>(window, "Command2")->isEnabled());
    QCOMPARE(Caption(window, "Label16") + Caption(window, "Label17") +
                 Caption(window, "Label18"),
             QStringLiteral("Armi intelligentI"));
    QCOMPARE(Caption(window, "Label21"),
             QString::fromUtf8("NOTA : se  ottieni più volte la stessa abilità "
                               "      raddoppia, triplica ecc. il raggio "
                               "d'azione come da regolamento ufficiale AD&D "
                               "2° Edizione (MDM)"));
    for (const char* output : kOutputs) {
      QVERIFY2(Caption(window, output).isEmpty(), output);
    }

    auto* type = Child<QComboBox>(window, "Combo1");
    QVERIFY(type->isEditable());
    QCOMPARE(type->currentText(), QStringLiteral("nessuno"));
    const QStringList expected = {"Spada",  "Pugnale",  "Ascia",
                                  "Maglio", "Martello", "Morning star"};
    QStringList items;
    for (int i = 0; i < type->count(); ++i) items << type->itemText(i);
    QCOMPARE(items, expected);
  }

  void focusMovesInDesignOrder() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const char* const order[] = {"Command1", "Combo1", "Text1", "Command2"};
    // The clear button takes the focus only while it is enabled.
    random.ScriptDraws(PlainWeapon());
    Click(window, "Command1");
    Child<QWidget>(window, "Command1")->setFocus();
    for (const char* name : order) {
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus != nullptr);
      const QWidget* expected = Child<QWidget>(window, name);
      QVERIFY2(focus == expected || focus->focusProxy() == expected ||
                   focus->parentWidget() == expected,
               name);
      QTest::keyClick(focus, Qt::Key_Tab);
    }
  }

  void writesEachFieldIntoItsLabel() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    // Intelligence 15 with three different abilities: the third is shown
    // on top, then the first, then the second.
    random.ScriptDraws({DrawFor(100, 1, 100), DrawFor(20, 1, 19),
                        DrawFor(100, 1, 56), DrawFor(100, 1, 91),
                        DrawFor(100, 1, 1), DrawFor(100, 1, 88),
                        DrawFor(100, 1, 99), DrawFor(96, 1, 76)});
    Click(window, "Command1");

    QVERIFY(Child<QPushButton>(window, "Command2")->isEnabled());
    QCOMPARE(Caption(window, "Label23"), QStringLiteral("6"));
    QCOMPARE(Caption(window, "Label25"), QStringLiteral("+4"));
    QCOMPARE(Caption(window, "Label1"), QStringLiteral("Legale neutrale"));
    QCOMPARE(Caption(window, "Label4"), QStringLiteral("15"));
    QCOMPARE(Caption(window, "Label6"), QStringLiteral("Parole"));
    QCOMPARE(Caption(window, "Label12"),
             QStringLiteral("Individua ascensori/stanze girevoli/pareti "
                            "mobili nel raggio di 3m"));
    QCOMPARE(Caption(window, "Label11"),
             QStringLiteral("Localizza oggetti nel raggio di 36m"));
    QCOMPARE(Caption(window, "Label10"),
             QStringLiteral("Telepatia nel raggio di 60m 2 volte al giorno"));
    QCOMPARE(Caption(window, "Label27"), QStringLiteral("16"));
    QCOMPARE(random.ScriptedDrawsLeft(), 0u);
  }

  void weaponWithOneAbilityBlanksTheOthersAndAnyOldPurpose() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    random.ScriptDraws(FullWeapon());
    Click(window, "Command1");
    QCOMPARE(Caption(window, "Label10"), kXRay);
    QCOMPARE(Caption(window, "Label19"),
             QStringLiteral("Sconfigge mostri non umani"));
    QCOMPARE(Caption(window, "Label7"),
             QStringLiteral(
                 "Lettura della scrittura non magica e di carte geografiche"));
    QCOMPARE(Caption(window, "Label8"),
             QStringLiteral("Lettura dei linguaggi e degli scritti magici "));

    random.ScriptDraws(PlainWeapon());
    Click(window, "Command1");
    QCOMPARE(Caption(window, "Label12"),
             QStringLiteral("Localizza oggetti nel raggio di 36m"));
    for (const char* blank :
         {"Label10", "Label11", "Label7", "Label8", "Label19", "Label20"}) {
      QVERIFY2(Caption(window, blank).isEmpty(), blank);
    }
    QCOMPARE(Caption(window, "Label27"), QStringLiteral("3"));
  }

  void generationLeavesNameAndTypeAlone() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    QTest::keyClicks(Child<QLineEdit>(window, "Text1"),
                     QStringLiteral("Tempesta"));
    auto* type = Child<QComboBox>(window, "Combo1");
    type->lineEdit()->selectAll();
    QTest::keyClicks(type->lineEdit(), QStringLiteral("Falcione"));

    random.ScriptDraws(PlainWeapon());
    Click(window, "Command1");

    QCOMPARE(Child<QLineEdit>(window, "Text1")->text(),
             QStringLiteral("Tempesta"));
    QCOMPARE(type->currentText(), QStringLiteral("Falcione"));
    QCOMPARE(type->count(), 6);
  }

  void clearEmptiesEverythingIncludingThePurpose() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    QTest::keyClicks(Child<QLineEdit>(window, "Text1"),
                     QStringLiteral("Tempesta"));
    auto* type = Child<QComboBox>(window, "Combo1");
    type->setCurrentIndex(0);
    random.ScriptDraws(FullWeapon());
    Click(window, "Command1");
    for (const char* output : kOutputs) {
      QVERIFY2(!Caption(window, output).isEmpty(), output);
    }

    Click(window, "Command2");

    for (const char* output : kOutputs) {
      QVERIFY2(Caption(window, output).isEmpty(), output);
    }
    QVERIFY(Child<QLineEdit>(window, "Text1")->text().isEmpty());
    QCOMPARE(type->currentText(), QStringLiteral("nessuno"));
    QVERIFY(!Child<QPushButton>(window, "Command2")->isEnabled());
  }

  void emptiedTypeBoxReturnsToNessuno() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    auto* type = Child<QComboBox>(window, "Combo1");
    type->lineEdit()->selectAll();
    QTest::keyClicks(type->lineEdit(), QStringLiteral("Ab"));
    QCOMPARE(type->currentText(), QStringLiteral("Ab"));

    QTest::keyClick(type->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(type->currentText(), QStringLiteral("A"));
    QTest::keyClick(type->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(type->currentText(), QStringLiteral("nessuno"));

    type->lineEdit()->selectAll();
    QTest::keyClick(type->lineEdit(), Qt::Key_Delete);
    QCOMPARE(type->currentText(), QStringLiteral("nessuno"));
  }

  void menuBarCarriesItsItems() {
    RandomSource random;
    RecordingPlatform platform;
    Form5 window(random, platform);
    const struct {
      const char* name;
      const char* caption;
    } items[] = {{"scher1", "Menù principale"},
                 {"exit", "Esci"},
                 {"tes", "&Generatore di tesori"},
                 {"gen", "Generatore &PG/PNG"},
                 {"about", "&About..."},
                 {"wts", "&Morvellan Soft."},
                 {"cred", "&Crediti"}};
    for (const auto& item : items) {
      auto* action = window.findChild<QAction*>(QString::fromLatin1(item.name));
      QVERIFY2(action != nullptr, item.name);
      QCOMPARE(action->text(), QString::fromUtf8(item.caption));
    }

    // Without a navigator the navigation items do nothing.
    window.findChild<QAction*>(QStringLiteral("tes"))->trigger();
    window.findChild<QAction*>(QStringLiteral("about"))->trigger();
    QCOMPARE(platform.messages,
             QStringList{QString::fromUtf8(kWeaponHelpText.data(),
                                           kWeaponHelpText.size())});
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::Form5Test)
#include "Form5Test.moc"
