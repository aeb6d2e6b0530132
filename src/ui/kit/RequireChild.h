#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace quendaro {

// The child of `parent` named `name`, which the program's own code put
// there. A name that finds nothing is a fault of the program, not of the
// user: it stops the program with a message that says what was missing, in
// every build, rather than leaving a null pointer to be followed later.
template <typename T>
T& RequireChild(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) {
    qFatal("%s has no %s named \"%s\"", qPrintable(parent.objectName()),
           T::staticMetaObject.className(), name);
  }
  return *child;
}

}  // namespace quendaro
