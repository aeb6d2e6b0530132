#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "history/HistoryRow.h"
#include "history/HistoryStore.h"
#include "npc/CombatTables.h"
#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/PartyWindow.h"
#include "ui/history/HistoryWindow.h"
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

QList<QStringList> Rows(const QTableWidget& table) {
  QList<QStringList> rows;
  for (int row = 0; row < table.rowCount(); ++row) rows << Row(table, row);
  return rows;
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

  // "Riapri" in the history, after a restart, puts a party back as it was,
  // a row rolled again alone included: its rows, and the NPCs behind them,
  // which can be rolled again and opened. An entry whose dice no longer
  // make its rows shows the rows it kept, and nothing else.
  void aPartyOfTheHistoryReopensWithItsRows() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cronologia.jsonl"));
    QList<QStringList> made;
    {
      RandomSource random(11);
      testing::RecordingPlatform platform;
      WindowManager windows(random, platform);
      windows.SetHistory(path);
      windows.Show(FormId::kForm1);
      Child<QAction>(*windows.Window(FormId::kForm1), "party")->trigger();
      QWidget& window = *windows.Window(FormId::kParty);
      Child<QSpinBox>(window, "count")->setValue(12);
      Child<QSpinBox>(window, "level")->setValue(8);
      Child<QComboBox>(window, "class")
          ->setCurrentText(QStringLiteral("Ladro"));
      Click(window, "generate");
      auto* table = Child<QTableWidget>(window, "table");
      table->selectRow(3);
      Click(window, "reroll");
      made = Rows(*table);
      windows.WaitForHistory();
    }
    std::vector<QJsonObject> entries;
    for (const HistoryRow& row : HistoryStore(path).Load().rows) {
      entries.push_back(UnpackEntry(row));
    }
    QCOMPARE(entries.size(), std::size_t{2});

    windows_->SetHistory(path);
    windows_->ShowHistory();
    auto* history = static_cast<HistoryWindow*>(windows_->History());
    QVERIFY(QTest::qWaitFor([history] { return !history->Loading(); }));
    auto* list = Child<QListView>(*history, "entries");
    list->setCurrentIndex(list->model()->index(0, 0));
    Click(*history, "reopen");
    QWidget* window = windows_->Window(FormId::kParty);
    QVERIFY(window != nullptr && window->isVisible());
    auto* table = Child<QTableWidget>(*window, "table");
    QCOMPARE(Rows(*table), made);
    QCOMPARE(Child<QComboBox>(*window, "class")->currentText(),
             QStringLiteral("Ladro"));
    table->selectRow(5);
    Click(*window, "open");
    QCOMPARE(
        Child<QLineEdit>(*windows_->Window(FormId::kForm1), "Text11")->text(),
        made[5][0]);
    Click(*window, "reroll");
    QList<QStringList> rerolled = Rows(*table);
    QVERIFY(rerolled[5] != made[5]);
    rerolled[5] = made[5];
    QCOMPARE(rerolled, made);

    QJsonObject edited = entries.back();
    edited.insert(QStringLiteral("replay"), QJsonObject());
    windows_->Reopen(edited);
    QCOMPARE(Rows(*table), made);
    table->selectRow(5);
    QVERIFY(!Child<QPushButton>(*window, "reroll")->isEnabled());
    QVERIFY(!Child<QPushButton>(*window, "open")->isEnabled());
    QVERIFY(Child<QPushButton>(*window, "clear")->isEnabled());
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
