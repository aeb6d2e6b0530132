#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "npc/CombatTables.h"
#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/PartyWindow.h"
#include "ui/results/ResultActions.h"
#include "ui/shell/WindowManager.h"

namespace quendaro {

using testing::Child;
using testing::Click;

namespace {

std::uint64_t FrozenClock() { return 0; }

QString Cell(const QTableWidget& table, int row, const char* heading) {
  for (int c = 0; c < table.columnCount(); ++c) {
    if (table.horizontalHeaderItem(c)->text() == QString::fromUtf8(heading)) {
      return table.item(row, c)->text();
    }
  }
  qFatal("no column %s", heading);
}

QStringList Row(const QTableWidget& table, int row) {
  QStringList texts;
  for (int c = 0; c < table.columnCount(); ++c) {
    texts << table.item(row, c)->text();
  }
  return texts;
}

}  // namespace

class PartyWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    random_ = std::make_unique<RandomSource>(7, &FrozenClock);
    platform_ = std::make_unique<testing::RecordingPlatform>();
    windows_ = std::make_unique<WindowManager>(*random_, *platform_);
    windows_->Show(FormId::kForm1);
    QVERIFY(QTest::qWaitForWindowExposed(windows_->Window(FormId::kForm1)));
  }
  void cleanup() {
    windows_.reset();
    platform_.reset();
    random_.reset();
  }

  // "Gruppo di PNG..." in the "&Opzioni" menu of the three large windows,
  // with its key, opens the one party window above the window it was
  // chosen in.
  void theLargeWindowsOpenItAboveThemselves_data() {
    QTest::addColumn<int>("form");
    QTest::newRow("character") << static_cast<int>(FormId::kForm1);
    QTest::newRow("treasure") << static_cast<int>(FormId::kForm3);
    QTest::newRow("weapon") << static_cast<int>(FormId::kForm5);
  }
  void theLargeWindowsOpenItAboveThemselves() {
    QFETCH(int, form);
    windows_->Show(static_cast<FormId>(form));
    QWidget* owner = windows_->Window(static_cast<FormId>(form));
    auto* item = Child<QAction>(*owner, "party");
    QCOMPARE(item->text(), QStringLiteral("Gr&uppo di PNG..."));
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    item->trigger();
    QWidget* party = windows_->Window(FormId::kParty);
    QVERIFY(party != nullptr && party->isVisible());
    QCOMPARE(party->parentWidget(), owner);
  }

  // From the keyboard alone: the count, the level and a race, "Genera
  // gruppo", then one row rolled again while the others stay.
  void theKeyboardMakesAPartyAndRerollsOneRow() {
    PartyWindow& window = Open();
    QTest::keyClick(&window, Qt::Key_Q, Qt::AltModifier);
    auto* count = Child<QSpinBox>(window, "count");
    QCOMPARE(QApplication::focusWidget(), count);
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(count, QStringLiteral("5"));
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
    auto* level = Child<QSpinBox>(window, "level");
    QTest::keyClick(level, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(level, QStringLiteral("9"));
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    auto* race = Child<QComboBox>(window, "race");
    QCOMPARE(QApplication::focusWidget(), race);
    while (race->currentText() != QStringLiteral("Nano di collina")) {
      QTest::keyClick(race, Qt::Key_Down);
    }
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);

    // An access key presses its button as a click does, a moment later.
    auto* table = Child<QTableWidget>(window, "table");
    QTRY_COMPARE(table->rowCount(), 5);
    QCOMPARE(platform_->messages, QStringList());
    for (int row = 0; row < 5; ++row) {
      QCOMPARE(Cell(*table, row, "Razza"), QStringLiteral("Nano di collina"));
      QCOMPARE(Cell(*table, row, "Liv."), QStringLiteral("9"));
      const std::optional<CombatNumbers> numbers =
          CombatNumbersOfClass(Cell(*table, row, "Classe").toStdString(), 9);
      QVERIFY(numbers.has_value());
      QCOMPARE(Cell(*table, row, "THAC0").toInt(), numbers->thac0);
      QCOMPARE(Cell(*table, row, "Par").toInt(), numbers->saving_throws[0]);
      QVERIFY(Cell(*table, row, "PF").toInt() >= 1);
    }
    // The party is the window's result, and the history's.
    const auto& current = Child<ResultActions>(window, "results")->Current();
    QVERIFY(current.has_value());
    QCOMPARE(current->generator, QStringLiteral("party"));
    QVERIFY(current->markdown.contains(QStringLiteral("| THAC0 |")));

    QCOMPARE(QApplication::focusWidget(), table);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    QList<QStringList> before;
    for (int row = 0; row < 5; ++row) before << Row(*table, row);
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(Row(*table, 2) != before[2]);
    for (int row = 0; row < 5; ++row) {
      if (row == 2) {
        QVERIFY(Row(*table, row) != before[row]);
      } else {
        QCOMPARE(Row(*table, row), before[row]);
      }
    }
    QCOMPARE(Cell(*table, 2, "Razza"), QStringLiteral("Nano di collina"));
  }

  // A click on "Apri nella scheda" (or Return on a row) shows the NPC in the
  // character window as the table shows it, scores included.
  void aRowOpensInTheCharacterWindow() {
    PartyWindow& window = Open();
    Click(window, "generate");
    auto* table = Child<QTableWidget>(window, "table");
    table->selectRow(1);
    Click(window, "open");
    QWidget* character = windows_->Window(FormId::kForm1);
    QCOMPARE(Child<QComboBox>(*character, "Combo1")->currentText(),
             Cell(*table, 1, "Razza"));
    QCOMPARE(Child<QLineEdit>(*character, "Text11")->text(),
             Cell(*table, 1, "Nome"));
    QCOMPARE(Child<QLineEdit>(*character, "Text12")->text(),
             Cell(*table, 1, "Età"));
    QCOMPARE(Child<QLineEdit>(*character, "Text3")->text(),
             Cell(*table, 1, "DES"));
    QVERIFY(!Child<QLabel>(*character, "Label22")->text().isEmpty());
    QVERIFY(Child<QPushButton>(*character, "Command2")->isEnabled());
  }

  // Choices no legal character keeps get the class rule's message, and the
  // party shown stays as it was; "Cancella" empties the table.
  void choicesTheRulesRefuseAreNotRolled() {
    PartyWindow& window = Open();
    Click(window, "generate");
    auto* table = Child<QTableWidget>(window, "table");
    const QStringList first = Row(*table, 0);
    auto* character_class = Child<QComboBox>(window, "class");
    character_class->setCurrentText(QStringLiteral("Paladino"));
    Child<QComboBox>(window, "alignment")
        ->setCurrentText(QStringLiteral("Caotico/buono"));
    Click(window, "generate");
    QCOMPARE(platform_->messages,
             QStringList(
                 {QStringLiteral("Un paladino può essere solo legale buono")}));
    QCOMPARE(Row(*table, 0), first);
    Click(window, "clear");
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(!Child<QPushButton>(window, "reroll")->isEnabled());
    QVERIFY(!Child<QPushButton>(window, "clear")->isEnabled());
  }

 private:
  PartyWindow& Open() {
    Child<QAction>(*windows_->Window(FormId::kForm1), "party")->trigger();
    auto* window = static_cast<PartyWindow*>(windows_->Window(FormId::kParty));
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) qFatal("no party window");
    return *window;
  }

  std::unique_ptr<RandomSource> random_;
  std::unique_ptr<testing::RecordingPlatform> platform_;
  std::unique_ptr<WindowManager> windows_;
};

}  // namespace quendaro

QTEST_MAIN(quendaro::PartyWindowTest)
#include "PartyWindowTest.moc"
