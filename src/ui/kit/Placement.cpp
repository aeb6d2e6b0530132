#include "ui/kit/Placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace quendaro {

void CentreOver(QWidget& window, const QWidget* owner) {
  const QWidget* over = owner != nullptr ? owner->window() : nullptr;
  const QScreen* screen =
      over != nullptr ? over->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect room = screen->availableGeometry();
  QRect frame = window.frameGeometry();
  frame.moveCenter(over != nullptr ? over->frameGeometry().center()
                                   : room.center());
  // Whole on the screen, the title bar first when it cannot all fit.
  frame.moveLeft(std::max(
      room.left(), std::min(frame.left(), room.right() - frame.width())));
  frame.moveTop(std::max(
      room.top(), std::min(frame.top(), room.bottom() - frame.height())));
  window.move(frame.topLeft());
}

void KeepAboveOwner(QWidget& window) {
  const QWidget* owner = window.parentWidget();
  QWindow* handle = window.windowHandle();
  if (owner == nullptr || handle == nullptr) return;
  if (QWindow* above = owner->window()->windowHandle()) {
    handle->setTransientParent(above);
  }
}

}  // namespace quendaro
