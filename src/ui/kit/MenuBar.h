#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <initializer_list>

namespace quendaro {

// One item of a window's menu: the name tests and accessibility tools find it
// by, its caption (UTF-8, '&' before the access key) and the window's handler.
template <typename Window>
struct MenuItem {
  const char* name;
  const char* caption;
  void (Window::*handler)();
};

// Adds the menu `title` to the menu bar of `window` with `items` in order.
template <typename Window>
QMenu* AddMenu(Window* window, const QString& title,
               std::initializer_list<MenuItem<Window>> items) {
  QMenu* menu = window->menuBar()->addMenu(title);
  for (const MenuItem<Window>& item : items) {
    QAction* action = menu->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromUtf8(item.name));
    QObject::connect(action, &QAction::triggered, window, item.handler);
  }
  return menu;
}

}  // namespace quendaro
