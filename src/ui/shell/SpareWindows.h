#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>

#include "ui/kit/Navigator.h"

namespace quendaro {

// The three large generators open maximized, the other windows at their
// designed size.
bool OpensMaximized(FormId form);

// Hidden spares of the windows a player may open next, built while the
// program is idle so that opening one later costs only its showing. A spare
// is a new instance that has never been shown: the window it becomes starts
// in its design state, exactly as one built on the spot. One spare is built
// per pass of the event loop, and never before the window just shown has
// been painted, so that building never delays what the player is waiting
// for. The window manager asks for a spare when it opens a window and says
// when windows are shown, painted, hidden and closed.
class SpareWindows final : public QObject {
  Q_OBJECT

 public:
  static constexpr std::size_t kFormCount = 9;

  // `create` builds a new instance of a form; `is_open` tells whether the
  // form has a live instance, which needs no spare.
  SpareWindows(std::function<QWidget*(FormId)> create,
               std::function<bool(FormId)> is_open, QObject* parent = nullptr);
  ~SpareWindows() override;

  // From now on, builds a spare of each window that is not open.
  void BuildWhenIdle();
  // No more spares: those built are deleted.
  void Stop();

  // The spare of `form`, handed over to the caller; null when there is none.
  QWidget* Take(FormId form);
  bool Has(FormId form) const;

  // What the manager sees of its windows: a window shown and not yet
  // painted holds building back until its first paint, or until it is
  // hidden or closed before one.
  void Shown(QWidget* window);
  void Painted(QWidget* window);
  void Gone(QWidget* window);
  // A window closed or painted: perhaps a spare is missing now.
  void Schedule();

 signals:
  // Every window that is not open has its spare.
  void Ready();

 private:
  std::optional<FormId> Missing() const;
  void BuildNext();

  std::function<QWidget*(FormId)> create_;
  std::function<bool(FormId)> is_open_;
  std::array<QPointer<QWidget>, kFormCount> spares_;
  bool building_ = false;
  bool scheduled_ = false;
  // The window last shown, until its first paint.
  QPointer<QWidget> unpainted_;
};

}  // namespace quendaro
