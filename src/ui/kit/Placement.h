#pragma once

class QWidget;

namespace quendaro {

// Moves `window` so that it stands over the middle of `owner`, or of the
// screen when it has none, and whole on that screen: a small window or a
// panel opens over the window the player opened it from, not in a corner.
void CentreOver(QWidget& window, const QWidget* owner);

// Tells the desktop that `window`, once shown, belongs to the window it was
// opened from (its parent), so that it stays above it when the player
// clicks there again.
void KeepAboveOwner(QWidget& window);

}  // namespace quendaro
