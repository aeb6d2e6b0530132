#pragma once

#include <QKeySequence>
#include <functional>
#include <string_view>

class QAbstractButton;
class QAction;
class QMenu;
class QPushButton;
class QWidget;

namespace quendaro {

class Platform;

// The key that runs a window's main action again ("Tira i dadi", "Genera
// tesoro", ...), in every window that has one.
inline const QKeySequence kGenerateKey{Qt::CTRL | Qt::Key_G};
// The key that opens the program's help.
inline const QKeySequence kHelpKey{Qt::Key_F1};

// Return and Enter press the push button that has the focus, as Space does.
// Buttons of a main window ignore Return unless they are a dialog's default,
// so the keys are caught on their way up to `window`.
void PressFocusedButtonOnReturn(QWidget* window);

// Return and Enter in a text box of `window` press `button`, the window's
// default, as they do in a dialog; boxes of a list or a spinner keep their
// own use of the keys.
void PressDefaultButtonInBoxes(QWidget* window, QPushButton* button);

// Puts an item with the caption of `button` and the generate key at the top
// of `options` (a window's "&Opzioni" menu), followed by a separator. The
// item clicks the button, so it does nothing while the button is disabled.
QAction* AddGenerateItem(QMenu& options, QAbstractButton* button);

// A key of `window` itself, for the small windows that have no menu bar.
void AddWindowKey(QWidget* window, const QKeySequence& key,
                  std::function<void()> action);

// The generate key of a small window: it clicks `button`, which also tells
// screen readers about the key.
void AddGenerateKey(QWidget* window, QAbstractButton* button);

// F1 in `window` shows `help` in a message through `platform`; a window built
// without a platform (in a test, say) has no help.
void AddHelpKey(QWidget* window, Platform* platform, std::string_view help);

// Esc closes `window`.
void CloseOnEscape(QWidget* window);

}  // namespace quendaro
