#include "ui/kit/Fonts.h"

#include <QStringList>

namespace quendaro {

QFont RoleFont(FontRole role, qreal point_size, QFont::Weight weight) {
  QFont font;
  switch (role) {
    case FontRole::kDecorative:
      font.setFamilies(
          {QStringLiteral("Exocet"), QStringLiteral("Quattrocento"),
           QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
      font.setStyleHint(QFont::Serif);
      break;
    case FontRole::kSerif:
      font.setFamilies({QStringLiteral("Times New Roman"),
                        QStringLiteral("Liberation Serif"),
                        QStringLiteral("DejaVu Serif")});
      font.setStyleHint(QFont::Serif);
      break;
    case FontRole::kDialog:
      font.setFamilies({QStringLiteral("MS Sans Serif"),
                        QStringLiteral("Liberation Sans"),
                        QStringLiteral("DejaVu Sans")});
      font.setStyleHint(QFont::SansSerif);
      break;
  }
  font.setPointSizeF(point_size);
  font.setWeight(weight);
  return font;
}

}  // namespace quendaro
