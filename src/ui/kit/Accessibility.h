#pragma once

#include <QString>

class QWidget;

namespace quendaro {

// Names `control` for screen readers after its visible caption. An editable
// combo box or a spin box is named together with the edit field inside it,
// which is what a screen reader lands on. The control's tooltip stays its
// description.
//
// The first call also teaches the accessibility layer two things about the
// program's controls: a combo box is named by its caption rather than by the
// text it holds, and a picture that leads somewhere (the logo, the main
// menu's icons) is a button with a press action.
void NameControl(QWidget* control, const QString& name);

}  // namespace quendaro
