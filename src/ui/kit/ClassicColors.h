#pragma once

#include <QColor>

namespace quendaro {

// Colours the windows name by their place in the classic 16-colour palette,
// and the two pale backgrounds of the character window's boxes.
inline QColor ClassicColor(int index) {
  static constexpr int kRgb[16][3] = {
      {0, 0, 0},        // 0 black
      {0, 0, 128},      // 1 blue
      {0, 128, 0},      // 2 green
      {0, 128, 128},    // 3 cyan
      {128, 0, 0},      // 4 red
      {128, 0, 128},    // 5 magenta
      {128, 128, 0},    // 6 brown
      {192, 192, 192},  // 7 light grey
      {128, 128, 128},  // 8 dark grey
      {0, 0, 255},      // 9 light blue
      {0, 255, 0},      // 10 light green
      {0, 255, 255},    // 11 light cyan
      {255, 0, 0},      // 12 light red
      {255, 0, 255},    // 13 light magenta
      {255, 255, 0},    // 14 yellow
      {255, 255, 255},  // 15 white
  };
  Q_ASSERT_X(index >= 0 && index < 16, "ClassicColor", "palette index 0-15");
  return QColor(kRgb[index][0], kRgb[index][1], kRgb[index][2]);
}

inline QColor LightYellow() { return QColor(255, 255, 192); }
inline QColor LightCyan() { return QColor(192, 255, 255); }

}  // namespace quendaro
