// Takes the pictures of the README: the start window, the main menu and each
// generator with a result on screen, each saved as a PNG into the folder named
// on the command line. Meant for the offscreen platform
// (scripts/screenshots.sh). With --sheets it writes instead the PDF sheet of a
// result of each generator.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

#include "random/RandomSource.h"
#include "ui/history/HistoryWindow.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Pictures.h"
#include "ui/kit/Platform.h"
#include "ui/results/ResultActions.h"
#include "ui/results/ResultOutput.h"
#include "ui/shell/WindowManager.h"

namespace {

// Messages go to the terminal: nobody is there to close a box.
class ConsolePlatform final : public quendaro::Platform {
 public:
  void ShowMessage(QWidget* /*parent*/, const QString& text) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  void Beep() override {}
  char DecimalSeparator() const override { return ','; }
};

bool Save(QWidget* window, const QDir& folder, const QString& file) {
  // Let the windows finish laying themselves out for their size first.
  QCoreApplication::processEvents();
  const QString path = folder.filePath(file);
  if (window == nullptr || !window->grab().save(path)) {
    std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

void Choose(QWidget* window, const char* combo, const QString& item) {
  auto* box = window->findChild<QComboBox*>(QString::fromLatin1(combo));
  if (box != nullptr) box->setCurrentIndex(box->findText(item));
}

void Type(QWidget* window, const char* field, const QString& text) {
  auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(field));
  if (box != nullptr) box->setText(text);
}

void Click(QWidget* window, const char* button) {
  auto* control =
      window->findChild<QAbstractButton*>(QString::fromLatin1(button));
  if (control != nullptr) control->click();
}

// A warrior, with every input filled in and the dice rolled.
void RollCharacter(QWidget* character) {
  Choose(character, "Combo1", QStringLiteral("Umano"));
  Choose(character, "Combo2", QStringLiteral("Guerriero(puro)"));
  Choose(character, "Combo3", QStringLiteral("Legale/neutrale"));
  Choose(character, "combo4", QStringLiteral("Maschio"));
  Type(character, "Text11", QStringLiteral("Bertram Scudoferro"));
  Type(character, "Text12", QStringLiteral("25"));
  Type(character, "Text8", QStringLiteral("182"));
  Type(character, "Text9", QStringLiteral("86"));
  Click(character, "Command1");
}

void RollTreasure(QWidget* treasure) {
  for (const char* spinner : {"UpDown1", "UpDown10", "UpDown17"}) {
    if (auto* box =
            treasure->findChild<QSpinBox*>(QString::fromLatin1(spinner))) {
      box->setValue(2);
    }
  }
  Click(treasure, "Command1");
}

// Every window as the program opens it on the screen this runs on, the
// generators maximized, each with a result: form1.png ... form8.png. For
// looking at a screen size and scale, and for the README's picture of the
// character window on a small laptop.
bool TakeAsOpened(const QDir& folder) {
  using quendaro::FormId;
  ConsolePlatform platform;
  quendaro::RandomSource random;
  quendaro::WindowManager windows(random, platform);
  windows.Start();
  const auto save = [&](FormId form, const char* file) {
    return Save(windows.Window(form), folder, QString::fromLatin1(file));
  };
  bool saved = save(FormId::kForm7, "form7.png");
  windows.SwitchTo(FormId::kForm8, windows.Window(FormId::kForm7));
  saved &= save(FormId::kForm8, "form8.png");
  windows.SwitchTo(FormId::kForm1, windows.Window(FormId::kForm8));
  QWidget* character = windows.Window(FormId::kForm1);
  RollCharacter(character);
  saved &= save(FormId::kForm1, "form1.png");
  windows.OpenOwned(FormId::kForm4, character);
  Click(windows.Window(FormId::kForm4), "Command1");
  saved &= save(FormId::kForm4, "form4.png");
  windows.OpenOwned(FormId::kForm2, character);
  Click(windows.Window(FormId::kForm2), "Option1");
  Click(windows.Window(FormId::kForm2), "Command1");
  saved &= save(FormId::kForm2, "form2.png");
  windows.OpenOwned(FormId::kForm6, character);
  saved &= save(FormId::kForm6, "form6.png");
  // The largest party, as the party window grows to show it.
  windows.OpenOwned(FormId::kParty, character);
  QWidget* party = windows.Window(FormId::kParty);
  party->findChild<QSpinBox*>(QStringLiteral("count"))->setValue(12);
  Click(party, "generate");
  saved &= save(FormId::kParty, "party.png");
  windows.SwitchTo(FormId::kForm3, character);
  RollTreasure(windows.Window(FormId::kForm3));
  saved &= save(FormId::kForm3, "form3.png");
  windows.SwitchTo(FormId::kForm5, windows.Window(FormId::kForm3));
  Click(windows.Window(FormId::kForm5), "Command1");
  saved &= save(FormId::kForm5, "form5.png");
  return saved;
}

// Writes the PDF sheet of `window`'s latest result as `file`.
bool SaveSheet(QWidget* window, const QDir& folder, const char* file) {
  auto* results = window != nullptr
                      ? window->findChild<quendaro::ResultActions*>()
                      : nullptr;
  const QString path = folder.filePath(QString::fromLatin1(file));
  QString error;
  if (results == nullptr || !results->Current() ||
      !quendaro::result_output::WritePdf(*results->Current(), path, &error)) {
    std::fprintf(stderr, "could not write %s %s\n", qPrintable(path),
                 qPrintable(error));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// The printed sheet of each generator's result, one PDF each, for looking
// at them as a game master would print them.
bool TakeSheets(const QDir& folder) {
  using quendaro::FormId;
  ConsolePlatform platform;
  quendaro::RandomSource random;
  quendaro::WindowManager windows(random, platform);
  windows.Start();
  windows.SwitchTo(FormId::kForm1, windows.Window(FormId::kForm7));
  QWidget* character = windows.Window(FormId::kForm1);
  RollCharacter(character);
  bool saved = SaveSheet(character, folder, "character-sheet.pdf");
  windows.OpenOwned(FormId::kForm4, character);
  QWidget* hit_points = windows.Window(FormId::kForm4);
  Choose(hit_points, "Combo1", QStringLiteral("9"));
  Click(hit_points, "Command1");
  saved &= SaveSheet(hit_points, folder, "hitpoints-sheet.pdf");
  windows.OpenOwned(FormId::kForm2, character);
  QWidget* names = windows.Window(FormId::kForm2);
  Click(names, "Option1");
  Click(names, "Command1");
  saved &= SaveSheet(names, folder, "name-sheet.pdf");
  // The largest party, every row of which the sheet must hold.
  windows.OpenOwned(FormId::kParty, character);
  QWidget* party = windows.Window(FormId::kParty);
  party->findChild<QSpinBox*>(QStringLiteral("count"))->setValue(12);
  party->findChild<QSpinBox*>(QStringLiteral("level"))->setValue(9);
  Click(party, "generate");
  saved &= SaveSheet(party, folder, "party-sheet.pdf");
  windows.SwitchTo(FormId::kForm3, character);
  QWidget* treasure = windows.Window(FormId::kForm3);
  RollTreasure(treasure);
  saved &= SaveSheet(treasure, folder, "treasure-sheet.pdf");
  windows.SwitchTo(FormId::kForm5, treasure);
  QWidget* weapon = windows.Window(FormId::kForm5);
  Type(weapon, "Text1", QStringLiteral("Lamaluna"));
  Choose(weapon, "Combo1", QStringLiteral("Spada"));
  // A weapon of three abilities shows the window's order best.
  for (int tries = 0; tries < 50; ++tries) {
    Click(weapon, "Command1");
    auto* third = weapon->findChild<QWidget*>(QStringLiteral("Label10"));
    if (third != nullptr && !third->property("text").toString().isEmpty()) {
      break;
    }
  }
  saved &= SaveSheet(weapon, folder, "weapon-sheet.pdf");
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quendaro 32"));
  QApplication::setWindowIcon(quendaro::ProgramIcon());
  const QString mode = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  if (argc != 2 && mode != u"--as-opened" && mode != u"--sheets") {
    std::fprintf(stderr, "usage: %s <folder> [--as-opened | --sheets]\n",
                 argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) return 1;
  if (mode == u"--as-opened") return TakeAsOpened(folder) ? 0 : 1;
  if (mode == u"--sheets") return TakeSheets(folder) ? 0 : 1;

  using quendaro::FormId;
  ConsolePlatform platform;
  quendaro::RandomSource random;
  // A history of this run only, so that the picture shows these results; it
  // outlives the windows, which write to it until they go.
  const QTemporaryDir history_folder;
  quendaro::WindowManager windows(random, platform);
  windows.SetHistory(
      history_folder.filePath(QStringLiteral("cronologia.jsonl")));
  windows.Start();
  bool saved =
      Save(windows.Window(FormId::kForm7), folder, QStringLiteral("logo.png"));

  windows.SwitchTo(FormId::kForm8, windows.Window(FormId::kForm7));
  saved &= Save(windows.Window(FormId::kForm8), folder,
                QStringLiteral("main-menu.png"));

  windows.SwitchTo(FormId::kForm1, windows.Window(FormId::kForm8));
  QWidget* character = windows.Window(FormId::kForm1);
  // The size of a common laptop screen, whatever the offscreen screen is.
  character->showNormal();
  character->resize(1280, 800);
  RollCharacter(character);
  saved &= Save(character, folder, QStringLiteral("character-window.png"));
  // The character's PDF sheet; the script turns its page into a picture.
  if (auto* results = character->findChild<quendaro::ResultActions*>()) {
    QString error;
    saved &=
        results->Current().has_value() &&
        quendaro::result_output::WritePdf(
            *results->Current(),
            folder.filePath(QStringLiteral("character-sheet.pdf")), &error);
  }

  // The steps behind that character, as "Dettagli dei tiri" lists them.
  if (auto* details =
          character->findChild<QAction*>(QStringLiteral("dettagli"))) {
    details->trigger();
  }
  QWidget* roll_details =
      character->findChild<QWidget*>(QStringLiteral("RollDetails"));
  if (roll_details != nullptr) roll_details->resize(560, 420);
  saved &= Save(roll_details, folder, QStringLiteral("roll-details.png"));
  if (roll_details != nullptr) roll_details->close();

  // The two small tools, opened from the character window's menu.
  windows.OpenOwned(FormId::kForm4, character);
  QWidget* hit_points = windows.Window(FormId::kForm4);
  Click(hit_points, "Command1");
  Click(hit_points, "Command3");
  saved &= Save(hit_points, folder, QStringLiteral("hit-points.png"));
  windows.OpenOwned(FormId::kForm2, character);
  QWidget* names = windows.Window(FormId::kForm2);
  Click(names, "Option2");
  Click(names, "Command1");
  saved &= Save(names, folder, QStringLiteral("names.png"));

  // A party of six at level 5, and its party sheet.
  windows.OpenOwned(FormId::kParty, character);
  QWidget* party = windows.Window(FormId::kParty);
  party->findChild<QSpinBox*>(QStringLiteral("count"))->setValue(6);
  party->findChild<QSpinBox*>(QStringLiteral("level"))->setValue(5);
  Click(party, "generate");
  saved &= Save(party, folder, QStringLiteral("party-window.png"));
  if (auto* results = party->findChild<quendaro::ResultActions*>()) {
    QString error;
    saved &= results->Current().has_value() &&
             quendaro::result_output::WritePdf(
                 *results->Current(),
                 folder.filePath(QStringLiteral("party-sheet.pdf")), &error);
  }

  windows.SwitchTo(FormId::kForm3, character);
  QWidget* treasure = windows.Window(FormId::kForm3);
  treasure->showNormal();
  treasure->resize(1280, 800);
  RollTreasure(treasure);
  saved &= Save(treasure, folder, QStringLiteral("treasure-window.png"));

  windows.SwitchTo(FormId::kForm5, treasure);
  QWidget* weapon = windows.Window(FormId::kForm5);
  weapon->showNormal();
  weapon->resize(1280, 800);
  Type(weapon, "Text1", QStringLiteral("Lamaluna"));
  Click(weapon, "Command1");
  saved &= Save(weapon, folder, QStringLiteral("weapon-window.png"));

  windows.ShowHistory();
  auto* history = static_cast<quendaro::HistoryWindow*>(windows.History());
  while (history->Loading()) QCoreApplication::processEvents();
  saved &=
      Save(windows.History(), folder, QStringLiteral("history-window.png"));
  return saved ? 0 : 1;
}
