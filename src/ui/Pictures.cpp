#include "ui/Pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>
#include <cstddef>
#include <string_view>

namespace quendaro {

namespace {

struct PictureRow {
  std::string_view path;
  int width;
  int height;
};

constexpr std::array kPictures = {
    PictureRow{":/art/logo.svg", 203, 134},  // kLogo
    PictureRow{":/art/die.svg", 48, 41},     // kDie
    PictureRow{":/art/sword.svg", 48, 41},   // kSword
    PictureRow{":/art/amulet.svg", 48, 41},  // kAmulet
    PictureRow{":/art/door.svg", 48, 41},    // kDoor
};
static_assert(kPictures.size() == static_cast<std::size_t>(Picture::kCount));

const PictureRow& RowFor(Picture picture) {
  const auto index = static_cast<std::size_t>(picture);
  Q_ASSERT_X(index < kPictures.size(), "RowFor", "a picture, not kCount");
  return kPictures[index];
}

}  // namespace

QString PicturePath(Picture picture) {
  const std::string_view path = RowFor(picture).path;
  return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

QSize PictureSize(Picture picture) {
  const PictureRow& row = RowFor(picture);
  return QSize(row.width, row.height);
}

QIcon ProgramIcon() {
  // Icons are square: the wide logo sits centred on a clear square at each
  // size a desktop asks for, rather than being squeezed.
  QSvgRenderer renderer(PicturePath(Picture::kLogo));
  const QSize design = PictureSize(Picture::kLogo);
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QSize fitted = design.scaled(side, side, Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF((side - fitted.width()) / 2.0,
                                     (side - fitted.height()) / 2.0,
                                     fitted.width(), fitted.height()));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace quendaro
