#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "random/RandomSource.h"
#include "ui/kit/MenuBar.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"
#include "ui/results/RollAudit.h"

class QAbstractButton;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

namespace quendaro {

class ResultActions;

// The key of the large windows' item "Gruppo di PNG...", which opens the
// party window above the window it was chosen in.
inline const QKeySequence kPartyKey{Qt::CTRL | Qt::SHIFT | Qt::Key_N};

// What the five generator windows have in common, owned once: the shared
// random source and the desktop's services, the result's actions and the
// roll audit, the navigation the menus lead through, the menu items every
// large window carries, the keys, and the order in which a window is set up.
// A window holds one and keeps its controls, its handlers (under their design
// names) and its layout; the shell knows nothing of what the window rolls.
//
// Set-up runs in this order: the constructor makes the result's actions and
// the audit; the window builds its menus (AddMenus) and its controls; then
// Finish adds the keys, runs the window's Form_Load and, for a large window,
// fits its sheet to the screen.
class GeneratorShell final {
 public:
  // `help` is the window's own help, shown by its "&About" item and F1.
  GeneratorShell(QWidget& window, RandomSource& random, Platform& platform,
                 Navigator* navigator, std::string_view help);
  GeneratorShell(const GeneratorShell&) = delete;
  GeneratorShell& operator=(const GeneratorShell&) = delete;

  RandomSource& random() const { return random_; }
  Platform& platform() const { return platform_; }
  ResultActions& results() const { return *results_; }
  RollAudit& rolls() const { return *rolls_; }
  // Null for a window built alone.
  Navigator* navigator() const { return navigator_; }
  // The "&Opzioni" menu of a large window, for the items of its own; the
  // menus must have been added.
  QMenu& OptionsMenu() const;

  // The menu bar of a large window: "&File" with `file` and the result's
  // items before its last item ("Esci"), "&Opzioni" with `options` and
  // "Dettagli dei tiri", "&?" with `help`, whose item named "about" gets F1.
  template <typename Window>
  void AddMenus(Window* window, std::initializer_list<MenuItem<Window>> file,
                std::initializer_list<MenuItem<Window>> options,
                std::initializer_list<MenuItem<Window>> help) {
    QMenu* file_menu = AddMenu(window, QStringLiteral("&File"), file);
    QMenu* options_menu = AddMenu(window, QStringLiteral("&Opzioni"), options);
    QMenu* help_menu = AddMenu(window, QStringLiteral("&?"), help);
    MenusAdded(*file_menu, *options_menu, *help_menu);
  }

  // The last steps of the keys and the load, in this order:
  // - `generate` gets the generate key (Ctrl+G), as the first item of
  //   "&Opzioni" in a large window; null when the window binds the key itself;
  // - F1 shows the window's help;
  // - Return presses the focused button, and in a text box the window's
  //   `default_button` when it has one;
  // - Esc closes a small window;
  // - `load` runs (the window's Form_Load);
  // - a large window's sheet is fitted to the room it has.
  void Finish(QAbstractButton* generate, QPushButton* default_button,
              const std::function<void()>& load);

  // One generation: `generate` draws from the shared source while the audit
  // records the steps, which then replace the last generation's. The state
  // it started from is kept for its record and command line (Start).
  template <typename Generate>
  auto Audited(Generate&& generate) {
    ScopedRollLog log(random_);
    start_ = random_.BeginGeneration();
    auto result = std::forward<Generate>(generate)(random_);
    rolls_->SetSteps(log.Take());
    return result;
  }
  // The random source's state just before the last Audited generation.
  const RandomState& Start() const { return start_; }

  // The menus' ways to the other windows. A window built alone, without a
  // navigator, goes nowhere.
  void SwitchTo(FormId target) const;
  void OpenOwned(FormId target) const;
  void ShowAndHide(FormId target) const;
  void Show(FormId target) const;
  // Closes the window's own `owned` window, then the window itself.
  void CloseWith(FormId owned) const;

  void ShowHelp() const;
  void ShowMakerPresentation() const;
  void ShowMessage(const QString& text) const;

 private:
  void MenusAdded(QMenu& file, QMenu& options, QMenu& help);

  QWidget& window_;
  RandomSource& random_;
  Platform& platform_;
  Navigator* navigator_;
  QString help_;
  ResultActions* results_;  // copying, saving, printing, the history
  RollAudit* rolls_;        // "Dettagli dei tiri": the last steps
  QMenu* options_menu_ = nullptr;
  RandomState start_;
};

}  // namespace quendaro
