#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <memory>
#include <optional>

#include "random/RandomSource.h"
#include "ui/kit/Navigator.h"
#include "ui/kit/Platform.h"

class QJsonObject;

namespace quendaro {

class HistoryKeeper;
class HistoryWindow;
class SpareWindows;

// The program's windows and the ways between them. There is one instance of
// each form at most: it is built when first shown (or ahead, hidden, see
// BuildAheadWhenIdle) and destroyed when closed, so the next showing starts
// afresh. Only the character window is ever hidden
// instead, keeping its inputs and results for when the user comes back.
//
// A window opened owned stays above its owner and closes with it: the
// character window takes its hit-point, name and credits windows along, a
// treasure or weapon window its credits window. When no window is left on
// screen the program is over, even if the character window is still hidden:
// the manager then closes it too and says so with LastWindowClosed.
class WindowManager final : public QObject, public Navigator {
  Q_OBJECT

 public:
  WindowManager(RandomSource& random, Platform& platform,
                QObject* parent = nullptr);
  ~WindowManager() override;

  // Starts a session of play: mixes the clock into the shared source once,
  // so that no two sessions repeat the same rolls, and shows the start
  // window.
  void Start();

  void Show(FormId target) override;
  void SwitchTo(FormId target, QWidget* origin) override;
  void OpenOwned(FormId target, QWidget* owner) override;
  void ShowAndHide(FormId target, QWidget* origin) override;
  void Close(FormId target) override;
  void Generated(const QJsonObject& entry) override;
  void ShowHistory() override;
  void Reopen(const QJsonObject& entry) override;

  // Keeps every generation in the history file `path` from now on (see
  // HistoryStore), written on a thread of its own; without one nothing is
  // kept and the history window stays empty.
  void SetHistory(const QString& path);

  // Blocks until every generation so far has been written to the history
  // (or has failed to be); the program's end waits for it too.
  void WaitForHistory();

  // Remembers where each window was and how large, across runs (QSettings).
  void RememberPlaces(bool remember) { remember_places_ = remember; }

  // The history window while it is open.
  QWidget* History() const;

  // From now on, whenever the program is idle after a window has been
  // painted, builds a hidden spare of each window that is not open, one
  // window per pass of the event loop, so that opening it later costs only
  // its showing. A spare is a new instance that has never been shown: the
  // window it becomes starts in its design state, exactly as one built on
  // the spot, and once it is closed a fresh spare is built in its place.
  void BuildAheadWhenIdle();

  // The live instance of `form`, shown or hidden; null when it is closed.
  // A spare is not a live instance.
  QWidget* Window(FormId form) const;

  // Whether a hidden spare of `form` waits to be shown.
  bool HasSpare(FormId form) const;

 signals:
  // Nothing is left on screen: the program should end.
  void LastWindowClosed();

  // Every window that is not open has its spare.
  void SparesReady();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr std::size_t kFormCount = 9;

  QWidget* Instance(FormId form);
  QWidget* Create(FormId form);
  void Present(FormId form, QWidget* window);
  void Closed(FormId form, QWidget* window);
  void EndIfNothingShown();
  void RestorePlace(FormId form, QWidget& window);
  void SavePlace(FormId form, const QWidget& window);

  RandomSource& random_;
  Platform& platform_;
  std::array<QPointer<QWidget>, kFormCount> windows_;
  // The hidden spares built ahead (see BuildAheadWhenIdle).
  SpareWindows* spares_;
  // Closing one window may close others; the end of the program is decided
  // once the last of them has gone.
  int closing_depth_ = 0;
  bool ended_ = false;
  std::unique_ptr<HistoryKeeper> history_;
  QPointer<HistoryWindow> history_window_;
  bool remember_places_ = false;
  // A failed history write is told once for each reason, not after every
  // generation; the history window counts them all.
  QString history_failure_told_;
};

}  // namespace quendaro
