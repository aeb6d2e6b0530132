#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "history/HistoryStore.h"
#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/history/HistoryWindow.h"
#include "ui/results/RollDetails.h"
#include "ui/shell/WindowManager.h"

namespace quendaro {

using testing::Child;
using testing::Click;
using testing::RecordingPlatform;

namespace {

// A run of the program with its history in `path`.
struct Session {
  Session(const QString& path, unsigned seed) : random(seed) {
    windows.SetHistory(path);
  }
  RandomSource random;
  RecordingPlatform platform;
  WindowManager windows{random, platform};
};

// Waits until every generation so far is written and its news has reached
// the windows.
void Settle(WindowManager& windows) {
  windows.WaitForHistory();
  QCoreApplication::processEvents();
}

// Opens "Cronologia" and waits until it has read the file.
HistoryWindow* OpenHistory(WindowManager& windows) {
  Settle(windows);
  windows.ShowHistory();
  auto* history = static_cast<HistoryWindow*>(windows.History());
  if (history == nullptr ||
      !QTest::qWaitFor([history] { return !history->Loading(); })) {
    qFatal("the history window did not open");
  }
  return history;
}

QListWidget* List(const HistoryWindow& history) {
  return Child<QListWidget>(history, "entries");
}

QString Problems(const HistoryWindow& history) {
  const auto* label = Child<QLabel>(history, "skipped");
  return label->isVisibleTo(&history) ? label->text() : QString();
}

QWidget* Generate(WindowManager& windows, FormId form) {
  windows.Show(form);
  QWidget* window = windows.Window(form);
  Click(*window, "Command1");
  return window;
}

}  // namespace

class HistoryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    path_ = folder_->filePath(QStringLiteral("cronologia.jsonl"));
  }

  // Every generation goes to the history; after a restart the history
  // window lists it, and "Riapri" puts it back into its window.
  void HistorySurvivesARestartAndReopens() {
    QString first_gold;
    QString first_count;
    {
      Session first(path_, 9);
      first.windows.Show(FormId::kForm3);
      QWidget* treasure = first.windows.Window(FormId::kForm3);
      QVERIFY(QTest::qWaitForWindowExposed(treasure));
      Child<QLineEdit>(*treasure, "Text1")->setText(QStringLiteral("3"));
      Click(*treasure, "Command1");
      first_gold = Child<QLabel>(*treasure, "Label13")->text();
      first_count = Child<QLineEdit>(*treasure, "Text1")->text();
      Settle(first.windows);
      QCOMPARE(HistoryStore(path_).Load().entries.size(), std::size_t{1});
    }
    Session session(path_, 10);
    HistoryWindow* history = OpenHistory(session.windows);
    QListWidget* list = List(*history);
    QCOMPARE(list->count(), 1);
    QVERIFY(list->item(0)->text().contains(QStringLiteral("Tesoro")));
    QVERIFY(!Child<QPlainTextEdit>(*history, "text")->toPlainText().isEmpty());
    Click(*history, "reopen");
    QWidget* treasure = session.windows.Window(FormId::kForm3);
    QVERIFY(treasure != nullptr);
    QCOMPARE(Child<QLabel>(*treasure, "Label13")->text(), first_gold);
    QCOMPARE(Child<QLineEdit>(*treasure, "Text1")->text(), first_count);
    QVERIFY(Child<QPushButton>(*treasure, "Command2")->isEnabled());
    QVERIFY(Child<QAction>(*treasure, "copia")->isEnabled());
  }

  // Each entry keeps the steps that made it; the history shows them, and
  // reopening an entry puts them back into "Dettagli dei tiri".
  void HistoryKeepsEachGenerationsRolls() {
    Session session(path_, 21);
    session.windows.Show(FormId::kForm1);
    QWidget* character = session.windows.Window(FormId::kForm1);
    QVERIFY(QTest::qWaitForWindowExposed(character));
    const auto shown_lines = [character] {
      auto* list =
          Child<QListWidget>(*character->findChild<RollDetails*>(), "StepList");
      QStringList lines;
      for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
      return lines;
    };
    Click(*character, "Command1");
    Child<QAction>(*character, "dettagli")->trigger();
    const QStringList first = shown_lines();
    QVERIFY(first.size() >= 6);
    // Another class, so the second generation rolls differently even within
    // the same second of the clock.
    auto* classes = Child<QComboBox>(*character, "Combo2");
    classes->setCurrentIndex((classes->currentIndex() + 5) % classes->count());
    Click(*character, "Command1");
    const QStringList second = shown_lines();
    QVERIFY(second != first);

    Settle(session.windows);
    const std::vector<QJsonObject> entries = HistoryStore(path_).Load().entries;
    QCOMPARE(entries.size(), std::size_t{2});
    QCOMPARE(entries[0].value(QStringLiteral("rolls")).toArray(),
             QJsonArray::fromStringList(first));
    QCOMPARE(entries[1].value(QStringLiteral("rolls")).toArray(),
             QJsonArray::fromStringList(second));

    HistoryWindow* history = OpenHistory(session.windows);
    List(*history)->setCurrentRow(1);  // newest first: the first generation
    const QString text = Child<QPlainTextEdit>(*history, "text")->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Tiri e regole:\n") + first[0]));
    QVERIFY(text.contains(first.last()));
    Click(*history, "reopen");
    QCOMPARE(shown_lines(), first);
  }

  void HistoryWindowCountsDamagedLinesAndFilters() {
    Session session(path_, 12);
    Generate(session.windows, FormId::kForm5);
    Settle(session.windows);
    {
      QFile file(path_);
      QVERIFY(file.open(QIODevice::Append));
      file.write("questa riga non è JSON\n{\"time\":\"2026-12-08T1");
    }
    Generate(session.windows, FormId::kForm3);
    HistoryWindow* history = OpenHistory(session.windows);
    QListWidget* list = List(*history);
    QCOMPARE(list->count(), 2);
    // Newest first.
    QVERIFY(list->item(0)->text().contains(QStringLiteral("Tesoro")));
    QVERIFY(Problems(*history).startsWith(QStringLiteral("2 righe")));
    auto* filter = Child<QComboBox>(*history, "filter");
    filter->setCurrentIndex(
        filter->findText(QStringLiteral("Arma intelligente")));
    QCOMPARE(list->count(), 1);
    QVERIFY(list->item(0)->text().contains(QStringLiteral("Arma")));
  }

  void ClearingTheHistoryAsksFirst() {
    Session session(path_, 13);
    Generate(session.windows, FormId::kForm3);
    HistoryWindow* history = OpenHistory(session.windows);
    session.platform.answer = false;
    Click(*history, "clear");
    QCOMPARE(session.platform.questions.size(), 1);
    QCOMPARE(List(*history)->count(), 1);
    session.platform.answer = true;
    Click(*history, "clear");
    QTRY_VERIFY(!history->Loading());
    QCOMPARE(List(*history)->count(), 0);
    QVERIFY(HistoryStore(path_).Load().entries.empty());
  }

  // A generation made while the history is open joins its list as it is
  // kept: the file is not read again, so a line damaged meanwhile is
  // neither counted nor in the way.
  void ANewGenerationJoinsTheOpenList() {
    Session session(path_, 14);
    Generate(session.windows, FormId::kForm5);
    HistoryWindow* history = OpenHistory(session.windows);
    QCOMPARE(List(*history)->count(), 1);
    {
      QFile file(path_);
      QVERIFY(file.open(QIODevice::Append));
      file.write("una riga rovinata\n");
    }
    Generate(session.windows, FormId::kForm3);
    Settle(session.windows);
    QCOMPARE(List(*history)->count(), 2);
    QVERIFY(List(*history)->item(0)->text().contains(QStringLiteral("Tesoro")));
    QCOMPARE(Problems(*history), QString());
  }

  // A history that cannot be read or written says so, with the file's
  // path: the window names the fault, the first failed generation says why
  // in a message, and the window counts every generation not kept.
  void TellsWhatKeepsTheHistory() {
    QVERIFY(QDir().mkpath(path_));  // a folder where the file should be
    Session session(path_, 15);
    HistoryWindow* history = OpenHistory(session.windows);
    const QString shown_path = QDir::toNativeSeparators(path_);
    QCOMPARE(Problems(*history),
             QStringLiteral("Impossibile leggere la cronologia \"%1\": al suo "
                            "posto c'è una cartella.")
                 .arg(shown_path));
    Generate(session.windows, FormId::kForm5);
    Generate(session.windows, FormId::kForm5);
    Settle(session.windows);
    QCOMPARE(
        session.platform.messages,
        QStringList{QStringLiteral("La generazione non è stata salvata nella "
                                   "cronologia \"%1\": al suo posto c'è una "
                                   "cartella.")
                        .arg(shown_path)});
    QVERIFY2(Problems(*history).endsWith(QStringLiteral(
                 "\n2 generazioni di questa sessione non sono state salvate "
                 "nella cronologia.")),
             qPrintable(Problems(*history)));
  }

  void EscapeAndAnAccessKeyCloseIt_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
    QTest::newRow("Alt+H") << QKeySequence(Qt::ALT | Qt::Key_H);
  }

  void EscapeAndAnAccessKeyCloseIt() {
    QFETCH(QKeySequence, key);
    Session session(path_, 16);
    HistoryWindow* history = OpenHistory(session.windows);
    QVERIFY(QTest::qWaitForWindowActive(history));
    QTest::keySequence(history, key);
    QTRY_COMPARE(session.windows.History(), nullptr);
  }

  // "Riapri" fills the entry's window when it is open, and otherwise
  // reaches it as the menus do: never a second generator window beside the
  // one on screen.
  void ReopenTakesTheGeneratorsOwnWindow() {
    Session session(path_, 17);
    WindowManager& windows = session.windows;
    QWidget* treasure = Generate(windows, FormId::kForm3);
    const QString gold = Child<QLabel>(*treasure, "Label13")->text();
    windows.SwitchTo(FormId::kForm5, treasure);
    QWidget* weapon = Generate(windows, FormId::kForm5);
    HistoryWindow* history = OpenHistory(windows);

    List(*history)->setCurrentRow(0);  // the weapon: its window is open
    Click(*history, "reopen");
    QCOMPARE(windows.Window(FormId::kForm5), weapon);
    QCOMPARE(windows.Window(FormId::kForm3), nullptr);

    List(*history)->setCurrentRow(1);  // the treasure
    Click(*history, "reopen");
    QTRY_COMPARE(windows.Window(FormId::kForm5), nullptr);
    treasure = windows.Window(FormId::kForm3);
    QVERIFY(treasure != nullptr && treasure->isVisible());
    QCOMPARE(Child<QLabel>(*treasure, "Label13")->text(), gold);
    int generators_on_screen = 0;
    for (const FormId form : {FormId::kForm1, FormId::kForm3, FormId::kForm5}) {
      QWidget* window = windows.Window(form);
      if (window != nullptr && window->isVisible()) ++generators_on_screen;
    }
    QCOMPARE(generators_on_screen, 1);
  }

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  QString path_;
};

}  // namespace quendaro

QTEST_MAIN(quendaro::HistoryWindowTest)
#include "HistoryWindowTest.moc"
