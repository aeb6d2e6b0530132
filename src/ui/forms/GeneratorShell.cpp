#include "ui/forms/GeneratorShell.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include "ui/kit/AboutTexts.h"
#include "ui/kit/Keyboard.h"
#include "ui/kit/QtText.h"
#include "ui/kit/RequireChild.h"
#include "ui/kit/SheetScaler.h"
#include "ui/kit/WindowStyle.h"
#include "ui/results/ResultActions.h"

namespace quendaro {

GeneratorShell::GeneratorShell(QWidget& window, RandomSource& random,
                               Platform& platform, Navigator* navigator,
                               std::string_view help)
    : window_(window),
      random_(random),
      platform_(platform),
      navigator_(navigator),
      help_(ToQt(help)),
      results_(new ResultActions(window, platform, navigator)),
      rolls_(new RollAudit(&window, platform)) {
  results_->SetRollAudit(*rolls_);
}

void GeneratorShell::MenusAdded(QMenu& file, QMenu& options, QMenu& help) {
  results_->AddFileItems(file, file.actions().back());
  options.addAction(rolls_->Action());
  // Every large window leads to the party window, above itself.
  QAction* party = options.addAction(QStringLiteral("Gr&uppo di PNG..."));
  party->setObjectName(QStringLiteral("party"));
  party->setShortcut(kPartyKey);
  QObject::connect(party, &QAction::triggered, &window_,
                   [this] { OpenOwned(FormId::kParty); });
  options_menu_ = &options;
  RequireChild<QAction>(help, "about").setShortcut(kHelpKey);
  if (auto* main_window = qobject_cast<QMainWindow*>(&window_)) {
    SetMenuFont(main_window->menuBar());
  }
}

QMenu& GeneratorShell::OptionsMenu() const {
  if (options_menu_ == nullptr) {
    qFatal("%s has no \"&Opzioni\" menu yet", qPrintable(window_.objectName()));
  }
  return *options_menu_;
}

void GeneratorShell::Finish(QAbstractButton* generate,
                            QPushButton* default_button,
                            const std::function<void()>& load) {
  auto* main_window = qobject_cast<QMainWindow*>(&window_);
  const bool large = main_window != nullptr && options_menu_ != nullptr;
  if (generate != nullptr) {
    if (large) {
      AddGenerateItem(*options_menu_, generate);
    } else {
      AddGenerateKey(&window_, generate);
    }
  }
  // A large window's F1 is its "&About" item's key (see AddMenus).
  if (!large) AddWindowKey(&window_, kHelpKey, [this] { ShowHelp(); });
  PressFocusedButtonOnReturn(&window_);
  if (default_button != nullptr) {
    PressDefaultButtonInBoxes(&window_, default_button);
  }
  if (!large) CloseOnEscape(&window_);
  load();
  if (large) SheetScaler::Install(main_window);
}

void GeneratorShell::SwitchTo(FormId target) const {
  if (navigator_ != nullptr) navigator_->SwitchTo(target, &window_);
}

void GeneratorShell::OpenOwned(FormId target) const {
  if (navigator_ != nullptr) navigator_->OpenOwned(target, &window_);
}

void GeneratorShell::ShowAndHide(FormId target) const {
  if (navigator_ != nullptr) navigator_->ShowAndHide(target, &window_);
}

void GeneratorShell::Show(FormId target) const {
  if (navigator_ != nullptr) navigator_->Show(target);
}

void GeneratorShell::CloseWith(FormId owned) const {
  if (navigator_ != nullptr) navigator_->Close(owned);
  window_.close();
}

void GeneratorShell::ShowHelp() const { ShowMessage(help_); }

void GeneratorShell::ShowMakerPresentation() const {
  ShowMessage(ToQt(kMakerPresentation));
}

void GeneratorShell::ShowMessage(const QString& text) const {
  platform_.ShowMessage(&window_, text);
}

}  // namespace quendaro
