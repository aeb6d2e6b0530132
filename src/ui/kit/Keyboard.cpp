#include "ui/kit/Keyboard.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "ui/kit/Platform.h"
#include "ui/kit/QtText.h"

namespace quendaro {
namespace {

class ReturnPressesButtons final : public QObject {
 public:
  explicit ReturnPressesButtons(QWidget* window) : QObject(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
      return false;
    }
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
      return false;
    }
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (button == nullptr || button->window() != watched ||
        !button->isEnabled()) {
      return false;
    }
    button->click();
    return true;
  }
};

QString WithoutAccessKey(QString caption) {
  // "&&" stands for an ampersand, a single "&" marks the access key.
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(u'&');
  caption.replace(QStringLiteral("\x01"), QStringLiteral("&&"));
  return caption;
}

}  // namespace

void PressFocusedButtonOnReturn(QWidget* window) {
  window->installEventFilter(new ReturnPressesButtons(window));
}

void PressDefaultButtonInBoxes(QWidget* window, QPushButton* button) {
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
    if (box->isReadOnly() ||
        qobject_cast<QComboBox*>(box->parentWidget()) != nullptr ||
        qobject_cast<QAbstractSpinBox*>(box->parentWidget()) != nullptr) {
      continue;
    }
    QObject::connect(box, &QLineEdit::returnPressed, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
}

QAction* AddGenerateItem(QMenu& options, QAbstractButton* button) {
  auto* item = new QAction(WithoutAccessKey(button->text()), &options);
  item->setObjectName(QStringLiteral("genera"));
  item->setShortcut(kGenerateKey);
  QObject::connect(item, &QAction::triggered, button,
                   [button] { button->click(); });
  QAction* first = options.actions().value(0);
  options.insertAction(first, item);
  options.insertSeparator(first);
  return item;
}

void AddWindowKey(QWidget* window, const QKeySequence& key,
                  std::function<void()> action) {
  auto* shortcut = new QShortcut(key, window);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window, std::move(action));
}

void AddGenerateKey(QWidget* window, QAbstractButton* button) {
  AddWindowKey(window, kGenerateKey, [button] { button->click(); });
  QString description = button->toolTip();
  if (!description.isEmpty()) description += QStringLiteral(" ");
  description += QStringLiteral("(tasto %1)")
                     .arg(kGenerateKey.toString(QKeySequence::NativeText));
  button->setAccessibleDescription(description);
}

void AddHelpKey(QWidget* window, Platform* platform, std::string_view help) {
  if (platform == nullptr) return;
  AddWindowKey(window, kHelpKey, [window, platform, text = ToQt(help)] {
    platform->ShowMessage(window, text);
  });
}

void CloseOnEscape(QWidget* window) {
  AddWindowKey(window, QKeySequence(Qt::Key_Escape),
               [window] { window->close(); });
}

}  // namespace quendaro
