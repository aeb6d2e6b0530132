#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "history/HistoryRow.h"
#include "history/HistoryStore.h"
#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/history/HistoryWindow.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultOutput.h"
#include "ui/results/RollDetails.h"
#include "ui/shell/WindowManager.h"

Q_DECLARE_METATYPE(quendaro::FormId)

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

QListView* List(const HistoryWindow& history) {
  return Child<QListView>(history, "entries");
}

int Count(const HistoryWindow& history) {
  return List(history)->model()->rowCount();
}

// The line listed at `row`, newest first.
QString Line(const HistoryWindow& history, int row) {
  const QAbstractItemModel* model = List(history)->model();
  return model->data(model->index(row, 0)).toString();
}

void Choose(const HistoryWindow& history, int row) {
  List(history)->setCurrentIndex(List(history)->model()->index(row, 0));
}

QString Problems(const HistoryWindow& history) {
  const auto* label = Child<QLabel>(history, "skipped");
  return label->isVisibleTo(&history) ? label->text() : QString();
}

QWidget* Generate(WindowManager& windows, FormId form) {
  windows.Show(form);
  QWidget* window = windows.Window(form);
  // The name window asks for male or female names first.
  if (form == FormId::kForm2) Click(*window, "Option2");
  Click(*window, form == FormId::kParty ? "generate" : "Command1");
  return window;
}

// A window's latest result in every format a game master takes away: the
// text, Markdown and JSON files a save writes, and the sheet that is
// printed and exported.
QList<QByteArray> Formats(const QWidget& window, const QString& folder) {
  const auto* results =
      window.findChild<ResultActions*>(QString(), Qt::FindDirectChildrenOnly);
  if (results == nullptr || !results->Current()) return {};
  const ResultDocument& document = *results->Current();
  QList<QByteArray> formats;
  for (const result_output::FileFormat format :
       {result_output::FileFormat::kText, result_output::FileFormat::kMarkdown,
        result_output::FileFormat::kJson}) {
    const QString path = folder + QStringLiteral("/saved");
    QFile file(path);
    if (!result_output::WriteFile(document, format, path, nullptr) ||
        !file.open(QIODevice::ReadOnly)) {
      return {};
    }
    formats << file.readAll();
  }
  return formats << document.html.toUtf8();
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
      QCOMPARE(HistoryStore(path_).Load().rows.size(), std::size_t{1});
    }
    Session session(path_, 10);
    HistoryWindow* history = OpenHistory(session.windows);
    QCOMPARE(Count(*history), 1);
    QVERIFY(Line(*history, 0).contains(QStringLiteral("Tesoro")));
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
    const std::vector<HistoryRow> rows = HistoryStore(path_).Load().rows;
    QCOMPARE(rows.size(), std::size_t{2});
    const QJsonObject entries[] = {UnpackEntry(rows[0]), UnpackEntry(rows[1])};
    QCOMPARE(entries[0].value(QStringLiteral("rolls")).toArray(),
             QJsonArray::fromStringList(first));
    QCOMPARE(entries[1].value(QStringLiteral("rolls")).toArray(),
             QJsonArray::fromStringList(second));

    HistoryWindow* history = OpenHistory(session.windows);
    Choose(*history, 1);  // newest first: the first generation
    const QString text = Child<QPlainTextEdit>(*history, "text")->toPlainText();
    QVERIFY(text.contains(QStringLiteral("Tiri e regole:\n") + first[0]));
    QVERIFY(text.contains(first.last()));
    Click(*history, "reopen");
    QCOMPARE(shown_lines(), first);
  }

  // An entry reopened from the history gives byte for byte what its
  // window gave, in every format, for every generator.
  void EveryFormatComesBackFromTheHistory_data() {
    QTest::addColumn<FormId>("form");
    QTest::newRow("character") << FormId::kForm1;
    QTest::newRow("treasure") << FormId::kForm3;
    QTest::newRow("weapon") << FormId::kForm5;
    QTest::newRow("hit points") << FormId::kForm4;
    QTest::newRow("name") << FormId::kForm2;
    QTest::newRow("party") << FormId::kParty;
  }

  void EveryFormatComesBackFromTheHistory() {
    QFETCH(FormId, form);
    Session session(path_, 18);
    QWidget* window = Generate(session.windows, form);
    const QList<QByteArray> made = Formats(*window, folder_->path());
    QCOMPARE(made.size(), 4);
    // Another result in its place, so that only the history can bring the
    // first one back.
    Click(*window, form == FormId::kParty ? "generate" : "Command1");
    QVERIFY(Formats(*window, folder_->path()) != made);
    HistoryWindow* history = OpenHistory(session.windows);
    Choose(*history, 1);
    Click(*history, "reopen");
    QCOMPARE(Formats(*session.windows.Window(form), folder_->path()), made);
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
    QCOMPARE(Count(*history), 2);
    // Newest first.
    QVERIFY(Line(*history, 0).contains(QStringLiteral("Tesoro")));
    QVERIFY(Problems(*history).startsWith(QStringLiteral("2 righe")));
    auto* filter = Child<QComboBox>(*history, "filter");
    filter->setCurrentIndex(
        filter->findText(QStringLiteral("Arma intelligente")));
    QCOMPARE(Count(*history), 1);
    QVERIFY(Line(*history, 0).contains(QStringLiteral("Arma")));
  }

  void ClearingTheHistoryAsksFirst() {
    Session session(path_, 13);
    Generate(session.windows, FormId::kForm3);
    HistoryWindow* history = OpenHistory(session.windows);
    session.platform.answer = false;
    Click(*history, "clear");
    QCOMPARE(session.platform.questions.size(), 1);
    QCOMPARE(Count(*history), 1);
    session.platform.answer = true;
    Click(*history, "clear");
    QTRY_VERIFY(!history->Loading());
    QCOMPARE(Count(*history), 0);
    QVERIFY(HistoryStore(path_).Load().rows.empty());
  }

  // A generation made while the history is open joins its list as it is
  // kept: the file is not read again, so a line damaged meanwhile is
  // neither counted nor in the way.
  void ANewGenerationJoinsTheOpenList() {
    Session session(path_, 14);
    Generate(session.windows, FormId::kForm5);
    HistoryWindow* history = OpenHistory(session.windows);
    QCOMPARE(Count(*history), 1);
    {
      QFile file(path_);
      QVERIFY(file.open(QIODevice::Append));
      file.write("una riga rovinata\n");
    }
    Generate(session.windows, FormId::kForm3);
    Settle(session.windows);
    QCOMPARE(Count(*history), 2);
    QVERIFY(Line(*history, 0).contains(QStringLiteral("Tesoro")));
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

    Choose(*history, 0);  // the weapon: its window is open
    Click(*history, "reopen");
    QCOMPARE(windows.Window(FormId::kForm5), weapon);
    QCOMPARE(windows.Window(FormId::kForm3), nullptr);

    Choose(*history, 1);  // the treasure
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
