#include "ui/kit/Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>
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
    PictureRow{":/art/icon.svg", 48, 48},    // kIcon
};
static_assert(kPictures.size() == static_cast<std::size_t>(Picture::kCount));

const PictureRow& RowFor(Picture picture) {
  const auto index = static_cast<std::size_t>(picture);
  Q_ASSERT_X(index < kPictures.size(), "RowFor", "a picture, not kCount");
  return kPictures[index];
}

// The icon drawn at each size a desktop asks for, when it asks for it, not
// all of them at start: a desktop that shows no window icons never pays for
// them, and the start window comes up sooner.
class ProgramIconEngine final : public QIconEngine {
 public:
  QIconEngine* clone() const override { return new ProgramIconEngine; }

  QList<QSize> availableSizes(QIcon::Mode /*mode*/,
                              QIcon::State /*state*/) override {
    QList<QSize> sizes;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
      sizes << QSize(side, side);
    }
    return sizes;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/,
             QIcon::State /*state*/) override {
    QSvgRenderer renderer(PicturePath(Picture::kIcon));
    const int side = std::min(rect.width(), rect.height());
    renderer.render(
        painter, QRectF(rect.x() + (rect.width() - side) / 2.0,
                        rect.y() + (rect.height() - side) / 2.0, side, side));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, pixmap.rect(), mode, state);
    return pixmap;
  }
};

}  // namespace

QString PicturePath(Picture picture) {
  const std::string_view path = RowFor(picture).path;
  return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

QSize PictureSize(Picture picture) {
  const PictureRow& row = RowFor(picture);
  return QSize(row.width, row.height);
}

QIcon ProgramIcon() { return QIcon(new ProgramIconEngine); }

}  // namespace quendaro
