#include "ui/shell/WindowManager.h"

#include <QCloseEvent>
#include <QJsonObject>
#include <QSettings>
#include <optional>

#include "history/HistoryKeeper.h"
#include "ui/forms/Form1.h"
#include "ui/forms/Form2.h"
#include "ui/forms/Form3.h"
#include "ui/forms/Form4.h"
#include "ui/forms/Form5.h"
#include "ui/forms/Form6.h"
#include "ui/forms/Form7.h"
#include "ui/forms/Form8.h"
#include "ui/forms/PartyWindow.h"
#include "ui/history/HistoryWindow.h"
#include "ui/kit/Placement.h"
#include "ui/results/HistoryEntry.h"
#include "ui/results/ResultActions.h"
#include "ui/shell/SpareWindows.h"

namespace quendaro {

namespace {

std::size_t IndexOf(FormId form) { return static_cast<std::size_t>(form); }

QString PlaceKey(FormId form) {
  if (form == FormId::kParty) return QStringLiteral("windows/PartyWindow");
  return QStringLiteral("windows/Form%1").arg(static_cast<int>(form) + 1);
}

// The generator windows that take each other's place on screen.
constexpr FormId kLargeGenerators[] = {FormId::kForm1, FormId::kForm3,
                                       FormId::kForm5};

// The windows that can be opened owned, in the order an owner closes them:
// the hit-point window first, as the character window's "Esci" does.
constexpr FormId kOwnedForms[] = {FormId::kForm4, FormId::kForm2,
                                  FormId::kForm6, FormId::kParty};

}  // namespace

WindowManager::WindowManager(RandomSource& random, Platform& platform,
                             QObject* parent)
    : QObject(parent),
      random_(random),
      platform_(platform),
      spares_(new SpareWindows(
          [this](FormId form) { return Create(form); },
          [this](FormId form) { return Window(form) != nullptr; }, this)) {
  connect(spares_, &SpareWindows::Ready, this, &WindowManager::SparesReady);
}

WindowManager::~WindowManager() {
  delete history_window_.data();
  // Owned windows go with their owners, so some pointers may have cleared by
  // the time the loop reaches them.
  for (QPointer<QWidget>& window : windows_) {
    if (window != nullptr) {
      window->removeEventFilter(this);
      delete window.data();
    }
  }
}

void WindowManager::Start() {
  random_.Reseed();
  Show(FormId::kForm7);
}

void WindowManager::Show(FormId target) { Present(target, Instance(target)); }

void WindowManager::SwitchTo(FormId target, QWidget* origin) {
  // The target first, so that the screen is never empty in between and
  // closing the origin does not end the program.
  Show(target);
  if (origin != nullptr && origin != Window(target)) origin->close();
}

void WindowManager::OpenOwned(FormId target, QWidget* owner) {
  QWidget* window = Instance(target);
  if (owner != nullptr && window->parentWidget() != owner) {
    // A credits window already open for another generator moves to the new
    // owner, so that it stays above the window the user is looking at and
    // closes with it.
    window->setParent(owner, window->windowFlags() | Qt::Window);
  }
  Present(target, window);
}

void WindowManager::ShowAndHide(FormId target, QWidget* origin) {
  Show(target);
  if (origin != nullptr && origin != Window(target)) origin->hide();
}

void WindowManager::Close(FormId target) {
  if (QWidget* window = Window(target)) window->close();
}

void WindowManager::BuildAheadWhenIdle() { spares_->BuildWhenIdle(); }

QWidget* WindowManager::Window(FormId form) const {
  return windows_[IndexOf(form)].data();
}

bool WindowManager::HasSpare(FormId form) const { return spares_->Has(form); }

QWidget* WindowManager::Instance(FormId form) {
  QPointer<QWidget>& slot = windows_[IndexOf(form)];
  if (slot == nullptr) {
    QWidget* window = spares_->Take(form);
    if (window == nullptr) window = Create(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(this);
    slot = window;
    RestorePlace(form, *window);
  }
  return slot.data();
}

QWidget* WindowManager::Create(FormId form) {
  switch (form) {
    case FormId::kForm1:
      return new Form1(random_, platform_, this);
    case FormId::kForm2:
      return new Form2(random_, platform_, this);
    case FormId::kForm3:
      return new Form3(random_, platform_, this);
    case FormId::kForm4:
      return new Form4(random_, platform_, this);
    case FormId::kForm5:
      return new Form5(random_, platform_, this);
    case FormId::kForm6:
      return new Form6(&platform_);
    case FormId::kForm7:
      return new Form7(this, &platform_);
    case FormId::kForm8:
      return new Form8(this, &platform_);
    case FormId::kParty:
      return new PartyWindow(random_, platform_, this);
  }
  Q_UNREACHABLE();
  return nullptr;
}

void WindowManager::Present(FormId form, QWidget* window) {
  if (!window->isVisible()) spares_->Shown(window);
  if (window->isVisible()) {
    // Bringing an open window forward leaves its size as the user made it,
    // only undoing a minimise.
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  } else if (OpensMaximized(form) &&
             !window->property("quendaro_placed").toBool()) {
    window->showMaximized();
  } else {
    if (!window->testAttribute(Qt::WA_Moved)) {
      // A small window opens over the middle of the window it was opened
      // from, where the player is looking; one without an owner in the
      // middle of the screen.
      window->adjustSize();
      CentreOver(*window, window->parentWidget());
    }
    window->show();
    KeepAboveOwner(*window);
  }
  window->raise();
  window->activateWindow();
}

bool WindowManager::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    spares_->Painted(qobject_cast<QWidget*>(watched));
    return false;
  }
  if (event->type() == QEvent::Hide) {
    spares_->Gone(qobject_cast<QWidget*>(watched));
    return false;
  }
  if (event->type() != QEvent::Close) return false;
  if (watched == history_window_.data()) {
    static_cast<QObject*>(watched)->event(event);
    if (event->isAccepted()) {
      QSettings().setValue(QStringLiteral("windows/History"),
                           history_window_->saveGeometry());
      history_window_ = nullptr;
      if (closing_depth_ == 0) EndIfNothingShown();
    }
    return true;
  }
  for (std::size_t index = 0; index < kFormCount; ++index) {
    QWidget* window = windows_[index].data();
    if (window != watched) continue;
    // The window answers the close first; only a close it accepts takes its
    // owned windows along.
    static_cast<QObject*>(window)->event(event);
    if (event->isAccepted()) Closed(static_cast<FormId>(index), window);
    return true;
  }
  return false;
}

void WindowManager::Closed(FormId form, QWidget* window) {
  SavePlace(form, *window);
  // A window closed before its first paint never gets one.
  spares_->Gone(window);
  // Forgotten at once: the instance is deleted only later, and a showing in
  // between must build a fresh one.
  windows_[IndexOf(form)] = nullptr;
  ++closing_depth_;
  for (const FormId owned : kOwnedForms) {
    QWidget* child = Window(owned);
    if (child != nullptr && child->parentWidget() == window) child->close();
  }
  --closing_depth_;
  if (closing_depth_ == 0) EndIfNothingShown();
  spares_->Schedule();
}

void WindowManager::EndIfNothingShown() {
  for (const QPointer<QWidget>& window : windows_) {
    if (window != nullptr && window->isVisible()) return;
  }
  if (history_window_ != nullptr && history_window_->isVisible()) return;
  // A hidden character window must not keep a program running with nothing
  // on screen.
  ++closing_depth_;
  for (const QPointer<QWidget>& window : windows_) {
    if (window != nullptr) window->close();
  }
  if (history_window_ != nullptr) history_window_->close();
  --closing_depth_;
  spares_->Stop();
  if (!ended_) {
    ended_ = true;
    emit LastWindowClosed();
  }
}

void WindowManager::SetHistory(const QString& path) {
  history_ = std::make_unique<HistoryKeeper>(path);
  connect(history_.get(), &HistoryKeeper::NotKept, this,
          [this](const QString& reason) {
            if (reason == history_failure_told_) return;
            history_failure_told_ = reason;
            platform_.ShowMessage(nullptr, reason);
          });
}

void WindowManager::WaitForHistory() {
  if (history_ != nullptr) history_->WaitUntilDone();
}

QWidget* WindowManager::History() const { return history_window_.data(); }

void WindowManager::Generated(const QJsonObject& entry) {
  // The open history window lists it once it is written.
  if (history_ != nullptr) history_->Append(entry);
}

void WindowManager::ShowHistory() {
  if (history_ == nullptr) return;
  if (history_window_ == nullptr) {
    history_window_ = new HistoryWindow(*history_, platform_, this);
    history_window_->setAttribute(Qt::WA_DeleteOnClose);
    history_window_->installEventFilter(this);
    if (remember_places_) {
      history_window_->restoreGeometry(
          QSettings().value(QStringLiteral("windows/History")).toByteArray());
    }
  }
  history_window_->show();
  history_window_->setWindowState(history_window_->windowState() &
                                  ~Qt::WindowMinimized);
  history_window_->raise();
  history_window_->activateWindow();
}

void WindowManager::Reopen(const QJsonObject& entry) {
  const std::optional<FormId> form =
      FormOfGenerator(entry.value(QStringLiteral("generator")).toString());
  if (!form) return;
  const auto on_screen = [this](FormId other) {
    QWidget* window = Window(other);
    return window != nullptr && window->isVisible() ? window : nullptr;
  };
  if (on_screen(*form) != nullptr) {
    Show(*form);
  } else if (!OpensMaximized(*form)) {
    // A small window opens above the character window, as from its menu.
    if (QWidget* character = on_screen(FormId::kForm1)) {
      OpenOwned(*form, character);
    } else {
      Show(*form);
    }
  } else {
    // A large generator takes the place of the one on screen, as from the
    // menus: the character window is hidden, the others close.
    QWidget* origin = nullptr;
    for (const FormId other : kLargeGenerators) {
      if (QWidget* window = on_screen(other)) origin = window;
    }
    if (origin != nullptr && origin == Window(FormId::kForm1)) {
      ShowAndHide(*form, origin);
    } else {
      SwitchTo(*form, origin);
    }
  }
  if (auto* results = Window(*form)->findChild<ResultActions*>(
          QString(), Qt::FindDirectChildrenOnly)) {
    results->Reopen(entry);
  }
}

void WindowManager::RestorePlace(FormId form, QWidget& window) {
  if (!remember_places_) return;
  const QByteArray place = QSettings().value(PlaceKey(form)).toByteArray();
  if (!place.isEmpty() && window.restoreGeometry(place)) {
    // Shown as it was left, maximized or not, rather than maximized anew.
    window.setProperty("quendaro_placed", true);
  }
}

void WindowManager::SavePlace(FormId form, const QWidget& window) {
  if (remember_places_) {
    QSettings().setValue(PlaceKey(form), window.saveGeometry());
  }
}

}  // namespace quendaro
