#include "ui/kit/Keyboard.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

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

QAction* AddGenerateItem(QMainWindow* window, QAbstractButton* button) {
  QMenu* options = nullptr;
  for (QAction* top : window->menuBar()->actions()) {
    if (top->menu() != nullptr && top->text() == QStringLiteral("&Opzioni")) {
      options = top->menu();
    }
  }
  Q_ASSERT_X(options != nullptr, "AddGenerateItem",
             "the window needs its \"&Opzioni\" menu first");
  auto* item = new QAction(WithoutAccessKey(button->text()), options);
  item->setObjectName(QStringLiteral("genera"));
  item->setShortcut(kGenerateKey);
  QObject::connect(item, &QAction::triggered, button,
                   [button] { button->click(); });
  QAction* first = options->actions().value(0);
  options->insertAction(first, item);
  options->insertSeparator(first);
  return item;
}

void SetHelpKey(QMainWindow* window, const char* item_name) {
  auto* item = window->findChild<QAction*>(QString::fromLatin1(item_name));
  Q_ASSERT_X(item != nullptr, "SetHelpKey", "the window has no such item");
  item->setShortcut(kHelpKey);
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

void CloseOnEscape(QWidget* window) {
  AddWindowKey(window, QKeySequence(Qt::Key_Escape),
               [window] { window->close(); });
}

}  // namespace quendaro
