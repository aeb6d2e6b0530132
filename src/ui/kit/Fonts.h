#pragma once

#include <QFont>

namespace quendaro {

// The three type roles of the windows. The decorative display face is Exocet
// where it is installed; on a stock desktop Quattrocento, a classic roman
// display face, stands in, so that titles and buttons still look carved
// rather than like a fallback. The serif role is Times New Roman or its
// metric twin Liberation Serif; the dialog role is MS Sans Serif or a plain
// sans face.
enum class FontRole {
  kDecorative,  // Exocet
  kSerif,       // Times New Roman
  kDialog,      // MS Sans Serif
};

// A font of `role` at `point_size`; `weight` as QFont weights (Exocet's
// captions use the light weight, 300).
QFont RoleFont(FontRole role, qreal point_size,
               QFont::Weight weight = QFont::Normal);

}  // namespace quendaro
