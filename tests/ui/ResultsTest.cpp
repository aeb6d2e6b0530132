#include <sys/resource.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <memory>

#include "npc/NpcGenerator.h"
#include "presentation/Reproduction.h"
#include "presentation/Sheets.h"
#include "random/RandomSource.h"
#include "support/RecordingPlatform.h"
#include "support/WindowTesting.h"
#include "ui/forms/Form1.h"
#include "ui/forms/Form2.h"
#include "ui/forms/Form3.h"
#include "ui/forms/Form4.h"
#include "ui/forms/Form5.h"
#include "ui/forms/PartyWindow.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultOutput.h"
#include "ui/results/ResultTexts.h"
#include "ui/shell/WindowManager.h"

namespace quendaro {

using testing::Child;
using testing::Click;
using testing::RecordingPlatform;
using testing::ShowAndWait;

namespace {

QMenu* FileMenu(QMainWindow& window) {
  for (QAction* action : window.menuBar()->actions()) {
    if (action->text() == QStringLiteral("&File")) return action->menu();
  }
  qFatal("no File menu");
  return nullptr;
}

QStringList Captions(const QMenu& menu) {
  QStringList captions;
  for (const QAction* action : menu.actions()) {
    captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return captions;
}

// Answers the next file dialog with `path`, as a user who types the name
// and presses Return.
void AnswerFileDialog(const QString& path) {
  QTimer::singleShot(0, qApp, [path] {
    auto* dialog =
        qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    dialog->selectFile(path);
    // An existing file is replaced only after a "Yes" to the dialog's
    // question.
    QTimer::singleShot(0, qApp, [] {
      if (auto* box =
              qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        box->button(QMessageBox::Yes)->click();
      }
    });
    static_cast<QDialog*>(dialog)->accept();  // as Return would
  });
}

void Trigger(QObject& window, const char* action) {
  Child<QAction>(window, action)->trigger();
}

std::unique_ptr<QMainWindow> MakeWindow(int form, RandomSource& random,
                                        RecordingPlatform& platform) {
  switch (form) {
    case 1:
      return std::make_unique<Form1>(random, platform);
    case 3:
      return std::make_unique<Form3>(random, platform);
    default:
      return std::make_unique<Form5>(random, platform);
  }
}

// A character of a fixed seed, rolled as a game master would.
void RollCharacter(Form1& window) {
  Child<QLineEdit>(window, "Text11")->setText(QStringLiteral("Aldor"));
  Child<QComboBox>(window, "Combo1")->setEditText(QStringLiteral("Umano"));
  Child<QComboBox>(window, "Combo2")->setEditText(QStringLiteral("Guerriero"));
  Child<QComboBox>(window, "Combo3")
      ->setEditText(QStringLiteral("Legale buono"));
  Child<QComboBox>(window, "combo4")->setEditText(QStringLiteral("Maschio"));
  Child<QLineEdit>(window, "Text12")->setText(QStringLiteral("20"));
  Click(window, "Command1");
}

QString PdfText(const QString& path, const QStringList& options = {},
                bool layout = true) {
  QStringList arguments(options);
  if (layout) arguments << QStringLiteral("-layout");
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                arguments << path << QStringLiteral("-"));
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfInfo(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdfinfo"), {path});
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path) {
  for (const QString& line : PdfInfo(path).split(u'\n')) {
    if (line.startsWith(QLatin1String("Pages:"))) {
      return line.mid(6).trimmed().toInt();
    }
  }
  return -1;
}

}  // namespace

class ResultsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() { folder_ = std::make_unique<QTemporaryDir>(); }

  void FileMenuHoldsTheResultItemsBeforeEsci_data() {
    QTest::addColumn<int>("form");
    QTest::newRow("Form1") << 1;
    QTest::newRow("Form3") << 3;
    QTest::newRow("Form5") << 5;
  }

  void FileMenuHoldsTheResultItemsBeforeEsci() {
    QFETCH(int, form);
    RandomSource random(7);
    RecordingPlatform platform;
    const std::unique_ptr<QMainWindow> window =
        MakeWindow(form, random, platform);
    const QMenu& menu = *FileMenu(*window);
    QCOMPARE(
        Captions(menu),
        (QStringList{
            QStringLiteral("Menù principale"), "-",
            QStringLiteral("Copia risultato"),
            QStringLiteral("Salva con nome..."), QStringLiteral("Stampa..."),
            QStringLiteral("Esporta PDF..."), QStringLiteral("Cronologia..."),
            "-", QStringLiteral("Esci")}));
    QCOMPARE(Child<QAction>(*window, "copia")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    QCOMPARE(Child<QAction>(*window, "salva")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(Child<QAction>(*window, "stampa")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(Child<QAction>(*window, "cronologia")->shortcut(),
             QKeySequence(QStringLiteral("Ctrl+H")));
    // Nothing to copy, save or print before the first generation.
    for (const char* item : {"copia", "salva", "stampa", "pdf"}) {
      QVERIFY2(!Child<QAction>(*window, item)->isEnabled(), item);
    }
    QVERIFY(ShowAndWait(*window));
    Click(*window, "Command1");
    platform.Clear();
    for (const char* item : {"copia", "salva", "stampa", "pdf"}) {
      QVERIFY2(Child<QAction>(*window, item)->isEnabled(), item);
    }
    // Clearing the window leaves nothing to copy again.
    if (Child<QPushButton>(*window, "Command2")->isEnabled()) {
      Click(*window, "Command2");
      QVERIFY(!Child<QAction>(*window, "copia")->isEnabled());
    }
  }

  void CopyPutsTextMarkdownAndTheRecordOnTheClipboard() {
    RandomSource random(11);
    RecordingPlatform platform;
    Form5 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Click(window, "Command1");
    QApplication::clipboard()->clear();
    QTest::keyClick(&window, Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data != nullptr);
    QVERIFY(data->text().contains(Child<QLabel>(window, "Label1")->text()));
    QVERIFY(data->hasFormat(QStringLiteral("text/markdown")));
    const QJsonObject record =
        QJsonDocument::fromJson(data->data(QStringLiteral("application/json")))
            .object();
    QCOMPARE(record[QStringLiteral("schema")].toInt(), 1);
    QCOMPARE(record[QStringLiteral("generator")].toString(),
             QStringLiteral("weapon"));
    QCOMPARE(record[QStringLiteral("result")][QStringLiteral("ego")].toInt(),
             Child<QLabel>(window, "Label27")->text().toInt());
  }

  void SaveWritesTheChosenFormat_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text") << "tesoro.txt"
                          << "Monete di rame";
    QTest::newRow("markdown") << "tesoro.md"
                              << "|";
    QTest::newRow("json") << "tesoro.json"
                          << "\"schema\":1";
  }

  void SaveWritesTheChosenFormat() {
    QFETCH(QString, file);
    QFETCH(QString, expected);
    RandomSource random(3);
    RecordingPlatform platform;
    Form3 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Click(window, "Command1");
    const QString path = folder_->filePath(file);
    AnswerFileDialog(path);
    Trigger(window, "salva");
    QVERIFY(platform.messages.isEmpty());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(saved.readAll()).contains(expected));
  }

  // The save and the print to a file propose the result's own name, or the
  // generator's in Italian, without what other systems refuse; saved texts
  // end with a line break.
  void FilesTakeTheResultsItalianName() {
    RandomSource random(9);
    RecordingPlatform platform;
    Form5 weapon(random, platform);
    Form3 treasure(random, platform);
    QVERIFY(ShowAndWait(weapon));
    QVERIFY(ShowAndWait(treasure));
    Click(treasure, "Command1");
    Click(weapon, "Command1");
    const auto document = [](QWidget& window) {
      return *window.findChild<ResultActions*>()->Current();
    };
    QCOMPARE(result_output::SafeFileStem(document(treasure)),
             QStringLiteral("tesoro"));
    QCOMPARE(result_output::SafeFileStem(document(weapon)),
             QStringLiteral("arma"));
    Child<QLineEdit>(weapon, "Text1")->setText(QStringLiteral("Thor:riil/×2"));
    Click(weapon, "Command1");
    QCOMPARE(result_output::SafeFileStem(document(weapon)),
             QStringLiteral("Thor_riil__2"));

    const QString path = folder_->filePath(QStringLiteral("arma.txt"));
    QString error;
    QVERIFY(result_output::WriteFile(
        document(weapon), result_output::FileFormat::kText, path, &error));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    QVERIFY(text.startsWith("Nome : Thor:riil/×2\n"));
    QVERIFY(text.endsWith('\n') && !text.endsWith("\n\n"));

    // Printing to a file: the print dialog proposes the same name, as a PDF
    // in the folder of the last save.
    QString proposed;
    QTimer::singleShot(0, qApp, [&proposed] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      if (auto* file =
              dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
        proposed = file->text();
      }
      static_cast<QDialog*>(dialog)->reject();
    });
    Trigger(weapon, "stampa");
    QCOMPARE(QFileInfo(proposed).fileName(),
             QStringLiteral("Thor_riil__2.pdf"));
    QCOMPARE(QFileInfo(proposed).absolutePath(),
             QFileInfo(result_output::LastFolder()).absoluteFilePath());
  }

  // A save that cannot be written leaves the file already there as it was
  // and says why, naming the file.
  void FailedSaveKeepsTheOldFileAndSaysSo() {
    RandomSource random(5);
    RecordingPlatform platform;
    Form5 window(random, platform);
    QVERIFY(ShowAndWait(window));
    Click(window, "Command1");
    const QString path = folder_->filePath(QStringLiteral("arma.txt"));
    {
      QFile old(path);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("la vecchia arma");
    }
    QVERIFY(QFile::setPermissions(folder_->path(),
                                  QFile::ReadOwner | QFile::ExeOwner));
    // The superuser writes into read-only folders; a file-size limit of
    // nothing stops every write, as a full disk would.
    rlimit old_limit{};
    getrlimit(RLIMIT_FSIZE, &old_limit);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    if (geteuid() == 0) {
      rlimit none = old_limit;
      none.rlim_cur = 0;
      setrlimit(RLIMIT_FSIZE, &none);
    }
    AnswerFileDialog(path);
    Trigger(window, "salva");
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);
    QFile::setPermissions(folder_->path(), QFile::ReadOwner |
                                               QFile::WriteOwner |
                                               QFile::ExeOwner);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages.front().startsWith(
        QStringLiteral("Impossibile salvare il file")));
    QVERIFY(platform.messages.front().contains(path));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("la vecchia arma"));
  }

  // The sheet a game master puts in a binder: one A4 page for each result,
  // with what the window showed, the room to write in and, at its foot, the
  // command line that rolls it again.
  void EverySheetIsOneA4PageWithItsWholeResult_data() {
    QTest::addColumn<int>("form");
    QTest::newRow("character") << 1;
    QTest::newRow("treasure") << 3;
    QTest::newRow("weapon") << 5;
    QTest::newRow("hit points") << 4;
    QTest::newRow("name") << 2;
    QTest::newRow("refused character") << 10;
    QTest::newRow("npc") << 0;
    QTest::newRow("party of twelve") << 12;
    QTest::newRow("a lair of sixty gems and eighteen magic items") << 13;
  }

  void EverySheetIsOneA4PageWithItsWholeResult() {
    QFETCH(int, form);
    RandomSource random(42);
    RecordingPlatform platform;
    std::unique_ptr<QWidget> window;
    std::optional<ResultDocument> npc_document;
    QStringList expected;
    QStringList in_order;  // texts that must come one after the other
    switch (form) {
      case 1: {
        auto character = std::make_unique<Form1>(random, platform);
        QVERIFY(ShowAndWait(*character));
        RollCharacter(*character);
        for (const char* score :
             {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}) {
          expected << Child<QLineEdit>(*character, score)->text();
        }
        expected << "Aldor"
                 << "Prob. di colpire"
                 << "Piegare sbarre"
                 << "Reazione"
                 << "Modificatore PF"
                 << "Immunità illusioni"
                 << "Gregari"
                 << "Classe d'armatura"
                 << "Equipaggiamento"
                 << "Note"
                 << "Umano";
        window = std::move(character);
        break;
      }
      case 10: {
        // No class and no race: two messages, zeros and no rows.
        auto character = std::make_unique<Form1>(random, platform);
        QVERIFY(ShowAndWait(*character));
        Click(*character, "Command1");
        expected << "Devi selezionare una classe !"
                 << "Devi selzionare una razza !"
                 << "Note";
        window = std::move(character);
        break;
      }
      case 0: {
        NpcRequest request;
        request.level = 7;
        request.locks.character_class = "Guerriero/mago/ladro";
        const RandomState start = random.BeginGeneration();
        const Npc npc = NpcGenerator().Generate(request, random);
        QVERIFY(npc.combat.has_value());
        ResultDocument document;
        document.generator = QStringLiteral("npc");
        document.command =
            QString::fromStdString(ReproducingCommand(request, start));
        document.html = QString::fromStdString(NpcSheetHtml(
            npc, '.',
            SheetFooter{"9 dicembre 2026", document.command.toStdString()}));
        npc_document = document;
        expected << QString::fromStdString(npc.character.name)
                 << "Tiri salvezza"
                 << "THAC0" << QString::number(npc.combat->thac0)
                 << QString::number(npc.hit_points.hit_points)
                 << "quendaro-cli npc --level 7";
        break;
      }
      case 12: {
        auto party = std::make_unique<PartyWindow>(random, platform);
        QVERIFY(ShowAndWait(*party));
        Child<QSpinBox>(*party, "count")->setValue(12);
        Child<QSpinBox>(*party, "level")->setValue(9);
        Click(*party, "generate");
        const auto* table = Child<QTableWidget>(*party, "table");
        for (int row = 0; row < 12; ++row) {
          expected << table->item(row, 0)->text();
        }
        expected << "In combattimento"
                 << "--party 12";
        window = std::move(party);
        break;
      }
      case 3:
      case 13: {
        auto treasure = std::make_unique<Form3>(random, platform);
        QVERIFY(ShowAndWait(*treasure));
        Child<QSpinBox>(*treasure, "UpDown1")->setValue(2);
        if (form == 13) {
          // A×2, D×2 and H×2, rolled twice: the second lair has 64 gems,
          // 32 art objects and 18 magic items, the last of them H12.
          Child<QSpinBox>(*treasure, "UpDown10")->setValue(2);
          Child<QSpinBox>(*treasure, "UpDown17")->setValue(2);
          Click(*treasure, "Command1");
        } else {
          Child<QSpinBox>(*treasure, "UpDown7")->setValue(1);
        }
        Click(*treasure, "Command1");
        expected << "×2" << (form == 13 ? "H12" : "×1")
                 << "Monete di platino/electrum"
                 << Child<QLabel>(*treasure, "Label10")->text()
                 << "Oggetti magici"
                 << "Contenuto del tesoro"
                 << "Valore:"
                 << "--contents";
        window = std::move(treasure);
        break;
      }
      case 5: {
        auto weapon = std::make_unique<Form5>(random, platform);
        QVERIFY(ShowAndWait(*weapon));
        Child<QLineEdit>(*weapon, "Text1")->setText(QStringLiteral("Lamaluna"));
        Child<QComboBox>(*weapon, "Combo1")
            ->setEditText(QStringLiteral("Spada"));
        // A weapon of three abilities, so that their order shows.
        for (int tries = 0;
             tries < 500 && Child<QLabel>(*weapon, "Label10")->text().isEmpty();
             ++tries) {
          Click(*weapon, "Command1");
        }
        expected << "Lamaluna"
                 << "Spada" << Child<QLabel>(*weapon, "Label1")->text()
                 << Child<QLabel>(*weapon, "Label6")->text();
        in_order << Child<QLabel>(*weapon, "Label10")->text()
                 << Child<QLabel>(*weapon, "Label12")->text()
                 << Child<QLabel>(*weapon, "Label11")->text();
        window = std::move(weapon);
        break;
      }
      case 4: {
        auto hit_points = std::make_unique<Form4>(random, platform);
        QVERIFY(ShowAndWait(*hit_points));
        Child<QComboBox>(*hit_points, "Combo1")
            ->setEditText(QStringLiteral("7"));
        Child<QCheckBox>(*hit_points, "Check1")->setChecked(true);
        Click(*hit_points, "Command3");
        expected << "Sacerdote"
                 << "sì" << Child<QLineEdit>(*hit_points, "Text7")->text()
                 << "Ferite";
        window = std::move(hit_points);
        break;
      }
      default: {
        auto names = std::make_unique<Form2>(random, platform);
        QVERIFY(ShowAndWait(*names));
        Click(*names, "Option2");
        Click(*names, "Command1");
        expected << Child<QLabel>(*names, "Label1")->text() << "Femminili";
        window = std::move(names);
        break;
      }
    }
    const std::optional<ResultDocument>& current =
        window != nullptr ? window->findChild<ResultActions*>()->Current()
                          : npc_document;
    QVERIFY(current.has_value());
    const QString path = folder_->filePath(QStringLiteral("scheda.pdf"));
    QString error;
    QVERIFY2(result_output::WritePdf(*current, path, &error),
             qPrintable(error));
    QCOMPARE(PdfPages(path), 1);
    QVERIFY(PdfInfo(path).contains(QStringLiteral("(A4)")));
    // Without the layout, so that a phrase split over two cells or a
    // wrapped command line reads as it is.
    const QString text = PdfText(path, {}, false).simplified();
    expected << "Quendaro 32, versione"
             << "--state";
    for (const QString& wanted : expected) {
      QVERIFY2(!wanted.isEmpty(), "an empty text to look for");
      QVERIFY2(text.contains(wanted.simplified()),
               qPrintable(wanted + QStringLiteral(" not in: ") + text));
    }
    // The command, however the page broke its lines.
    const auto unbroken = [](QString words) {
      return words.remove(QRegularExpression(QStringLiteral("\\s")));
    };
    QVERIFY2(unbroken(text).contains(unbroken(current->command)),
             qPrintable(text));
    qsizetype last = -1;
    for (const QString& line : in_order) {
      const qsizetype at = text.indexOf(line.simplified(), last + 1);
      QVERIFY2(at > last, qPrintable(line));
      last = at;
    }
  }

 private:
  std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace quendaro

QTEST_MAIN(quendaro::ResultsTest)
#include "ResultsTest.moc"
