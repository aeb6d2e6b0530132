#include <QAction>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "random/RandomSource.h"
#include "support/Draws.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form3.h"
#include "ui/forms/TreasureContentsWindow.h"
#include "ui/kit/AboutTexts.h"
#include "ui/kit/QtText.h"
#include "ui/results/ResultActions.h"

namespace quendaro {

using testing::Caption;
using testing::Child;
using testing::Click;
using testing::ShowAndWait;
namespace {

using testing::DrawFor;
using testing::RecordingPlatform;

// Spinner and box of each type, A to I.
const char* const kSpinners[] = {"UpDown1",  "UpDown3",  "UpDown11",
                                 "UpDown10", "UpDown9",  "UpDown5",
                                 "UpDown8",  "UpDown17", "UpDown7"};
const char* const kBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5",
                              "Text6", "Text7", "Text8", "Text9"};
const char* const kMagicLines[] = {"labela", "labelb", "Labelc",
                                   "Labeld", "Labele", "Labelf",
                                   "Labelg", "Labelh", "Labeli"};
// Copper, gold, silver, platinum/electrum, gems, art objects.
const char* const kTotals[] = {"Label10", "Label13", "Label16",
                               "Label18", "Label20", "Label22"};

// Keeps what the window asked to reopen elsewhere.
class ReopenNavigator final : public Navigator {
 public:
  void Show(FormId) override {}
  void SwitchTo(FormId, QWidget*) override {}
  void OpenOwned(FormId, QWidget*) override {}
  void ShowAndHide(FormId, QWidget*) override {}
  void Close(FormId) override {}
  void Reopen(const QJsonObject& entry) override { reopened << entry; }
  QList<QJsonObject> reopened;
};

// The sum of the numbers in a magic-item line: "2 + 1 pozione" is three.
int NumbersIn(const QString& line) {
  int sum = 0;
  for (const QString& word :
       line.split(QRegularExpression("[^0-9]+"), Qt::SkipEmptyParts)) {
    sum += word.toInt();
  }
  return sum;
}

}  // namespace

class Form3Test : public QObject {
  Q_OBJECT

 private:
  QString Text(QWidget& window, const char* name) {
    return Child<QLabel>(window, name)->text();
  }

  void Step(QWidget& window, const char* spinner, Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) {
      QTest::keyClick(Child<QSpinBox>(window, spinner), key);
    }
  }

  void ExpectOutputsEmpty(QWidget& window) {
    for (const char* name : kMagicLines) QCOMPARE(Text(window, name), "");
    for (const char* name : kTotals) QCOMPARE(Text(window, name), "");
  }

 private slots:
  void loadsEmptyWithClearDisabled() {
    RandomSource random(1);
    RecordingPlatform platform;
    Form3 window(random, platform);
    QCOMPARE(window.objectName(), "Form3");
    QCOMPARE(window.windowTitle(),
             ToQt("Quendaro 32 v.1.00 C -  Generatore di tesori della tana"));
    QVERIFY(!Child<QPushButton>(window, "Command2")->isEnabled());
    QCOMPARE(Child<QPushButton>(window, "Command1")->toolTip(),
             "Generara tesoro...");
    QCOMPARE(Child<QPushButton>(window, "Command2")->toolTip(),
             "Cancella il tesoro visualizzato");
    for (const char* box : kBoxes) {
      QCOMPARE(Child<QLineEdit>(window, box)->text(), "0");
      QVERIFY(Child<QLineEdit>(window, box)->isReadOnly());
    }
    ExpectOutputsEmpty(window);
  }

  void spinnerStopsAtItsEnds_data() {
    QTest::addColumn<int>("type");
    for (int type = 0; type < 9; ++type) {
      QTest::newRow(kSpinners[type]) << type;
    }
  }

  void spinnerStopsAtItsEnds() {
    QFETCH(int, type);
    RandomSource random(1);
    RecordingPlatform platform;
    Form3 window(random, platform);
    QLineEdit* box = Child<QLineEdit>(window, kBoxes[type]);

    Step(window, kSpinners[type], Qt::Key_Down, 1);
    QCOMPARE(box->text(), "0");
    Step(window, kSpinners[type], Qt::Key_Up, 1);
    QCOMPARE(box->text(), "1");
    Step(window, kSpinners[type], Qt::Key_Up, 6);
    QCOMPARE(box->text(), "5");
    // Only this type's box moved.
    for (int other = 0; other < 9; ++other) {
      if (other != type) {
        QCOMPARE(Child<QLineEdit>(window, kBoxes[other])->text(), "0");
      }
    }
  }

  void spinnerArrowsAreClickableAndBoxRefusesTyping() {
    RandomSource random(1);
    RecordingPlatform platform;
    Form3 window(random, platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* spinner = Child<QSpinBox>(window, "UpDown17");
    QStyleOptionSpinBox option;
    option.initFrom(spinner);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    const QRect up = spinner->style()->subControlRect(
        QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spinner);
    QTest::mouseClick(spinner, Qt::LeftButton, {}, up.center());
    QCOMPARE(Child<QLineEdit>(window, "Text8")->text(), "1");

    QTest::keyClicks(Child<QLineEdit>(window, "Text8"), "4");
    QCOMPARE(Child<QLineEdit>(window, "Text8")->text(), "1");
  }

  void generationWithNoCountsShowsZeroTotalsAndClearEmptiesThem() {
    RandomSource random(1);
    RecordingPlatform platform;
    Form3 window(random, platform);
    Click(window, "Command1");
    QVERIFY(Child<QPushButton>(window, "Command2")->isEnabled());
    for (const char* name : kTotals) QCOMPARE(Text(window, name), "0");
    for (const char* name : kMagicLines) QCOMPARE(Text(window, name), "");
    QCOMPARE(random.DrawCount(), 0u);

    Click(window, "Command2");
    ExpectOutputsEmpty(window);
    QVERIFY(!Child<QPushButton>(window, "Command2")->isEnabled());
    QVERIFY(platform.messages.isEmpty());
  }

  void generationWritesEachTotalToItsLabelAndClearResetsCounts() {
    RandomSource random(1);
    RecordingPlatform platform;
    Form3 window(random, platform);
    Step(window, "UpDown1", Qt::Key_Up, 2);  // A twice
    Step(window, "UpDown7", Qt::Key_Up, 1);  // I once
    random.ScriptDraws({
        // A: copper 1500, silver 200, gold 1000, no platinum, gems 10,
        // art objects 12, magic found; each amount doubled.
        DrawFor(100, 1, 25),
        DrawFor(2001, 1000, 1500),  //
        DrawFor(100, 1, 30),
        DrawFor(1801, 200, 200),  //
        DrawFor(100, 1, 40),
        DrawFor(5001, 1000, 1000),  //
        DrawFor(100, 1, 36),        //
        DrawFor(100, 1, 60),
        DrawFor(31, 10, 10),  //
        DrawFor(100, 1, 50),
        DrawFor(11, 2, 12),   //
        DrawFor(100, 1, 30),  //
        // I: platinum/electrum 100, nothing else, no magic.
        DrawFor(100, 1, 30),
        DrawFor(501, 100, 100),  //
        DrawFor(100, 1, 56),
        DrawFor(100, 1, 51),
        DrawFor(100, 1, 16),
    });
    Click(window, "Command1");
    QCOMPARE(random.ScriptedDrawsLeft(), 0u);
    QCOMPARE(Text(window, "Label10"), "3000");  // copper
    QCOMPARE(Text(window, "Label13"), "2000");  // gold
    QCOMPARE(Text(window, "Label16"), "400");   // silver
    QCOMPARE(Text(window, "Label18"), "100");   // platinum/electrum
    QCOMPARE(Text(window, "Label20"), "20");    // gems
    QCOMPARE(Text(window, "Label22"), "24");    // art objects
    QCOMPARE(Text(window, "labela"), "6 qualsiasi");
    QCOMPARE(Text(window, "Labeli"), "");
    QCOMPARE(Child<QLineEdit>(window, "Text1")->text(), "2");

    Click(window, "Command2");
    ExpectOutputsEmpty(window);
    QCOMPARE(Child<QLineEdit>(window, "Text1")->text(), "0");
    QCOMPARE(Child<QLineEdit>(window, "Text9")->text(), "0");
    // The spinner went back with its box: the next step starts from 0.
    Step(window, "UpDown1", Qt::Key_Up, 1);
    QCOMPARE(Child<QLineEdit>(window, "Text1")->text(), "1");
  }

  void nextGenerationReplacesAnEarlierMagicLine() {
    RandomSource random(1);
    RecordingPlatform platform;
    Form3 window(random, platform);
    Step(window, "UpDown7", Qt::Key_Up, 3);  // I three times
    const std::vector<float> no_coins = {
        DrawFor(100, 1, 31), DrawFor(100, 1, 56), DrawFor(100, 1, 51)};
    std::vector<float> draws = no_coins;
    draws.push_back(DrawFor(100, 1, 15));
    random.ScriptDraws(draws);
    Click(window, "Command1");
    QCOMPARE(Text(window, "Labeli"), "3 qualsiasi");

    draws = no_coins;
    draws.push_back(DrawFor(100, 1, 16));
    random.ScriptDraws(draws);
    Click(window, "Command1");
    QCOMPARE(Text(window, "Labeli"), "");
    QCOMPARE(Text(window, "Label18"), "0");
  }

  void contentsWindowShowsTheLairAndFollowsEachGeneration() {
    RandomSource random(5);
    RecordingPlatform platform;
    ReopenNavigator navigator;
    Form3 window(random, platform, &navigator);
    ShowAndWait(window);
    for (const char* spinner : {"UpDown1", "UpDown3", "UpDown8", "UpDown17"}) {
      Step(window, spinner, Qt::Key_Up, 5);  // A, B, G and H five times
    }
    Click(window, "Command1");
    QAction* contents = window.findChild<QAction*>("contents");
    QVERIFY(contents != nullptr);
    QCOMPARE(contents->text(), "Contenuto del &tesoro");
    QCOMPARE(contents->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    QVERIFY(Child<QLabel>(window, "Label20")->actions().contains(contents));
    contents->trigger();
    auto* shown = window.findChild<TreasureContentsWindow*>();
    QVERIFY(shown != nullptr && shown->isVisible());
    auto* list = shown->findChild<QTreeWidget*>("contents");

    // Gems, art objects and magic items as the totals and lines count them;
    // a further click replaces them, and an intelligent weapon's line opens
    // the weapon window.
    bool opened = false;
    for (int generation = 0; generation < 40 && !opened; ++generation) {
      QCOMPARE(list->topLevelItemCount(), 3);
      QCOMPARE(list->topLevelItem(0)->text(0),
               QStringLiteral("Gemme (%1)").arg(Text(window, "Label20")));
      QCOMPARE(
          list->topLevelItem(1)->text(0),
          QStringLiteral("Oggetti d'arte (%1)").arg(Text(window, "Label22")));
      int asked = 0;
      for (const char* name : kMagicLines)
        asked += NumbersIn(Text(window, name));
      QCOMPARE(list->topLevelItem(2)->text(0),
               QStringLiteral("Oggetti magici (%1)").arg(asked));
      for (QTreeWidgetItemIterator it(list); *it != nullptr && !opened; ++it) {
        if (!(*it)->text(0).contains("intelligente")) continue;
        emit list->itemActivated(*it, 0);
        QCOMPARE(navigator.reopened.size(), 1);
        const QJsonObject entry = navigator.reopened.front();
        QCOMPARE(entry["generator"].toString(), "weapon");
        QVERIFY(entry["inputs"].toObject()["Text1"].toString().contains(
            "intelligente"));
        QVERIFY(!entry["window"].toObject()["Label27"].toString().isEmpty());
        opened = true;
      }
      Click(window, "Command1");
    }
    QVERIFY(opened);

    Click(window, "Command2");
    QCOMPARE(list->topLevelItemCount(), 0);
  }

  // A lair reopened from the history brings its own contents into the
  // contents window, rolled again from its record; a record edited so that
  // its dice give another lair brings none.
  void aReopenedLairShowsItsOwnContents() {
    RandomSource random(8);
    RecordingPlatform platform;
    Form3 window(random, platform);
    ShowAndWait(window);
    Step(window, "UpDown1", Qt::Key_Up, 3);
    Step(window, "UpDown17", Qt::Key_Up, 2);
    auto* results = window.findChild<ResultActions*>();
    const auto listed = [&window] {
      QStringList texts;
      auto* list =
          window.findChild<TreasureContentsWindow*>()->findChild<QTreeWidget*>(
              "contents");
      for (QTreeWidgetItemIterator it(list); *it != nullptr; ++it) {
        texts << (*it)->text(0);
      }
      return texts;
    };
    Click(window, "Command1");
    const QJsonObject first = results->EntryFor(*results->Current());
    window.findChild<QAction*>("contents")->trigger();
    const QStringList first_contents = listed();
    QVERIFY(first_contents.size() > 3);
    Click(window, "Command1");
    QVERIFY(listed() != first_contents);

    results->Reopen(first);
    QCOMPARE(listed(), first_contents);

    QJsonObject edited = first;
    QJsonObject record = edited["record"].toObject();
    QJsonObject result = record["result"].toObject();
    QJsonObject counts = result["counts"].toObject();
    counts["A"] = 1;
    result["counts"] = counts;
    record["result"] = result;
    edited["record"] = record;
    results->Reopen(edited);
    QVERIFY(listed().isEmpty());
  }

  void menuBarCarriesEveryItem() {
    RandomSource random(1);
    RecordingPlatform platform;
    Form3 window(random, platform);
    const std::pair<const char*, const char*> items[] = {
        {"init", "Menù principale"},
        {"ex", "Esci"},
        {"pgpng", "Generatore &PG/PNG"},
        {"arm", "Ge&neratore di armi intelligenti"},
        {"about", "&About..."},
        {"soft", "&Morvellan Soft."},
        {"cred", "&Crediti"},
    };
    for (const auto& [name, caption] : items) {
      QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
      QVERIFY2(action != nullptr, name);
      QCOMPARE(action->text(), QString::fromUtf8(caption));
    }

    window.findChild<QAction*>("about")->trigger();
    window.findChild<QAction*>("soft")->trigger();
    QCOMPARE(platform.messages,
             QStringList({ToQt(kTreasureHelpText), ToQt(kMakerPresentation)}));

    // Without a navigator the navigation items do nothing, "Esci" still
    // closes.
    window.show();
    window.findChild<QAction*>("cred")->trigger();
    window.findChild<QAction*>("pgpng")->trigger();
    QVERIFY(window.isVisible());
    window.findChild<QAction*>("ex")->trigger();
    QVERIFY(!window.isVisible());
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::Form3Test)
#include "Form3Test.moc"
