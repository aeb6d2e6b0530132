#pragma once

#include <QLabel>
#include <QObject>
#include <QString>
#include <QTest>
#include <QWidget>

namespace quendaro::testing {

// The control a window's design names `name`. A missing control ends the
// test run at once: every later check would only repeat the same failure.
template <typename T = QWidget>
T* Child(const QObject& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) {
    qFatal("%s has no control named %s", qPrintable(window.objectName()), name);
  }
  return child;
}

// The caption of the label named `name`.
inline QString Caption(const QObject& window, const char* name) {
  return Child<QLabel>(window, name)->text();
}

// A left click in the middle of the control named `name`, as a user makes it.
inline void Click(const QObject& window, const char* name) {
  QTest::mouseClick(Child(window, name), Qt::LeftButton);
}

// Shows `window` and waits until it is on screen, so that key presses and
// focus changes reach it as they would reach a real window.
inline bool ShowAndWait(QWidget& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

}  // namespace quendaro::testing
