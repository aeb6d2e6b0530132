#pragma once

#include <QJsonObject>

class QWidget;

namespace quendaro {

// The state of a window's controls, by their names, so that a generation can
// be put back into its window as it was. Inputs are what the user can change
// (boxes that take typing, lists, spinners, check and option buttons);
// what is shown is everything else a generation writes: read-only boxes,
// text labels and whether each button is enabled.
QJsonObject CaptureInputs(const QWidget& window);
QJsonObject CaptureShown(const QWidget& window);

// Writes `inputs` and `shown` back into the controls of the same names,
// without running the window's own handlers; names the window lacks are
// ignored.
void RestoreControls(QWidget& window, const QJsonObject& inputs,
                     const QJsonObject& shown);

}  // namespace quendaro
