#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <optional>
#include <random>
#include <vector>

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

namespace quendaro {

using testing::Child;
using testing::RecordingPlatform;

namespace {

// What a window kept of one generation.
struct Kept {
  QString command;
  QByteArray record;
  QString text;
};

// Texts a game master may leave in a window's boxes, list entries and typed
// ones alike, with the characters a shell would read as its own.
const QStringList kRaces = {
    "Umano",     "Elfo alto", "Nano di collina",       "Halfling stout",
    "elfo alto", "nessuna",   "Minotauro(Dragonlance)"};
const QStringList kClasses = {
    "Guerriero(puro)", "Paladino", "Mago/ladro", "Chierico",
    "nessuna",         "Ranger",   "Bardo"};
const QStringList kAlignments = {"Legale/buono", "Caotico/neutrale",
                                 "Neutrale(puro)", "nessuno"};
const QStringList kNames = {
    "",     "Aldor",     "Orvo", "l'Orco $HOME", "Élia \"la Rossa\"",
    "-Ugo", "Tizio `ls`"};
const QStringList kAges = {"", "1", "20", "130", "9999", "abc"};
const QStringList kWeaponTypes = {"nessuno", "Spada", "Morning star",
                                  "arco; rm -rf"};

template <typename Pick>
const QString& Any(const QStringList& texts, Pick& pick) {
  return texts[static_cast<qsizetype>(pick() % texts.size())];
}

// What `script` prints on standard output, run by a shell with the tool
// found on the PATH, as an installed one is, and in the C locale; nothing
// when it fails, with its errors shown.
std::optional<QByteArray> RunInShell(const QString& script) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(
      QStringLiteral("PATH"),
      QFileInfo(QStringLiteral(QUENDARO_CLI_PATH)).absolutePath() +
          QStringLiteral(":") + environment.value(QStringLiteral("PATH")));
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
  QProcess shell;
  shell.setProcessEnvironment(environment);
  shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), script});
  if (!shell.waitForFinished(120000) || shell.exitCode() != 0) {
    qWarning("%s", shell.readAllStandardError().constData());
    return std::nullopt;
  }
  return shell.readAllStandardOutput();
}

}  // namespace

class ReproductionTest : public QObject {
  Q_OBJECT

 private slots:
  // A hundred generations in the windows, each rolled again through the
  // command line that the window shows for it: the record must come back
  // byte for byte, and the text too.
  void EveryWindowGenerationRollsAgainFromItsCommandLine() {
    RandomSource random;
    random.MixEntropy();  // as the program starts
    RecordingPlatform platform;
    Form1 character(random, platform);
    Form3 treasure(random, platform);
    Form5 weapon(random, platform);
    Form4 hit_points(random, platform);
    Form2 names(random, platform);
    for (QWidget* window : std::initializer_list<QWidget*>{
             &character, &treasure, &weapon, &hit_points, &names}) {
      QVERIFY(testing::ShowAndWait(*window));
    }
    std::mt19937 pick(29);
    std::vector<Kept> kept;
    const auto keep = [&kept](QWidget& window) {
      const auto& current = window.findChild<ResultActions*>()->Current();
      QVERIFY(current.has_value());
      kept.push_back(
          {current->command, current->record_line, current->plain_text});
    };

    while (kept.size() < 100) {
      switch (kept.size() % 5) {
        case 0:
          Child<QComboBox>(character, "Combo1")->setEditText(Any(kRaces, pick));
          Child<QComboBox>(character, "Combo2")
              ->setEditText(Any(kClasses, pick));
          Child<QComboBox>(character, "Combo3")
              ->setEditText(Any(kAlignments, pick));
          Child<QComboBox>(character, "combo4")
              ->setEditText(pick() % 2 ? "Maschio" : "nessuno");
          Child<QLineEdit>(character, "Text11")->setText(Any(kNames, pick));
          Child<QLineEdit>(character, "Text12")->setText(Any(kAges, pick));
          Child<QLineEdit>(character, "Text8")
              ->setText(pick() % 2 ? "182" : "");
          if (pick() % 4 == 0) {
            Child<QAction>(character, "png")->trigger();  // "PNG casuale"
          } else {
            testing::Click(character, "Command1");
          }
          keep(character);
          break;
        case 1:
          for (const char* spinner :
               {"UpDown1", "UpDown3", "UpDown11", "UpDown10", "UpDown9",
                "UpDown5", "UpDown8", "UpDown17", "UpDown7"}) {
            Child<QSpinBox>(treasure, spinner)
                ->setValue(pick() % 3 == 0 ? static_cast<int>(pick() % 6) : 0);
          }
          testing::Click(treasure, "Command1");
          keep(treasure);
          break;
        case 2:
          Child<QLineEdit>(weapon, "Text1")->setText(Any(kNames, pick));
          Child<QComboBox>(weapon, "Combo1")
              ->setEditText(Any(kWeaponTypes, pick));
          testing::Click(weapon, "Command1");
          keep(weapon);
          break;
        case 3: {
          Child<QComboBox>(hit_points, "Combo1")
              ->setEditText(QString::number(1 + pick() % 20));
          Child<QCheckBox>(hit_points, "Check1")->setChecked(pick() % 2);
          const char* groups[] = {"Command1", "Command2", "Command3",
                                  "Command4"};
          testing::Click(hit_points, groups[pick() % 4]);
          keep(hit_points);
          break;
        }
        case 4:
          Child<QRadioButton>(names, pick() % 2 ? "Option1" : "Option2")
              ->setChecked(true);
          testing::Click(names, "Command1");
          keep(names);
          break;
      }
    }

    // Each command line as a shell runs it, the tool found on the PATH.
    QString script;
    for (const Kept& one : kept) {
      script += one.command + QStringLiteral("\n") + one.command +
                QStringLiteral(" --json\n");
    }
    const std::optional<QByteArray> run = RunInShell(script);
    QVERIFY(run.has_value());
    const QByteArray& output = *run;

    // Each run prints its text and a blank line's worth of nothing more,
    // then its one record; the texts are as long as the window's.
    qsizetype at = 0;
    for (const Kept& one : kept) {
      const QByteArray text = one.text.toUtf8() + '\n';
      QCOMPARE(output.mid(at, text.size()), text);
      at += text.size();
      const QByteArray record = one.record + '\n';
      QCOMPARE(output.mid(at, record.size()), record);
      at += record.size();
    }
    QCOMPARE(at, output.size());
  }

  // A lair's "Dettagli dei tiri" are the steps its command line explains,
  // the draws of every gem, art object and magic item included.
  void ALairsDetailsAreItsCommandLinesSteps() {
    RandomSource random;
    random.MixEntropy();
    RecordingPlatform platform;
    Form3 treasure(random, platform);
    QVERIFY(testing::ShowAndWait(treasure));
    Child<QSpinBox>(treasure, "UpDown1")->setValue(2);
    Child<QSpinBox>(treasure, "UpDown17")->setValue(1);
    testing::Click(treasure, "Command1");
    const ResultDocument document =
        *treasure.findChild<ResultActions*>()->Current();

    const std::optional<QByteArray> run =
        RunInShell(document.command + " --explain");
    QVERIFY(run.has_value());
    const QString output = QString::fromUtf8(*run);
    const QString heading = QStringLiteral("Tiri e regole:\n");
    const qsizetype steps = output.indexOf(heading);
    QVERIFY(steps >= 0);
    QCOMPARE(document.rolls.join(u'\n') + u'\n',
             output.sliced(steps + heading.size()));
  }

  // A party of the party window comes back from its command line, its text
  // and its record byte for byte; a row rolled again alone leaves the party
  // no command line.
  void APartyRollsAgainFromItsCommandLine() {
    RandomSource random;
    random.MixEntropy();
    RecordingPlatform platform;
    PartyWindow party(random, platform);
    QVERIFY(testing::ShowAndWait(party));
    Child<QSpinBox>(party, "count")->setValue(4);
    Child<QSpinBox>(party, "level")->setValue(6);
    Child<QComboBox>(party, "class")->setCurrentText(QStringLiteral("Ladro"));
    testing::Click(party, "generate");
    auto* results = party.findChild<ResultActions*>();
    const ResultDocument document = *results->Current();
    QVERIFY(document.command.contains(QStringLiteral("--party 4")));

    const std::optional<QByteArray> run =
        RunInShell(document.command + "\n" + document.command + " --json");
    QVERIFY(run.has_value());
    QCOMPARE(*run, document.plain_text.toUtf8() + document.record_line + '\n');

    party.findChild<QTableWidget*>(QStringLiteral("table"))->selectRow(1);
    testing::Click(party, "reroll");
    QCOMPARE(results->Current()->command, QString());
  }
};

}  // namespace quendaro

QTEST_MAIN(quendaro::ReproductionTest)
#include "ReproductionTest.moc"
