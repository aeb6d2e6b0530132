#include "ui/kit/Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "ui/kit/QtText.h"

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

QString PicturePath(Picture picture) { return ToQt(RowFor(picture).path); }

QImage DrawnPicture(Picture picture, QSize pixels) {
  // ":/art/logo.svg" at 406 × 268 was drawn as ":/art/drawn/logo-406x268.argb".
  std::string_view stem = RowFor(picture).path;
  stem.remove_prefix(stem.find_last_of('/') + 1);
  stem.remove_suffix(stem.size() - stem.find_last_of('.'));
  const QResource drawn(
      QStringLiteral(":/art/drawn/%1-%2x%3.argb")
          .arg(QString::fromLatin1(stem.data(),
                                   static_cast<qsizetype>(stem.size())))
          .arg(pixels.width())
          .arg(pixels.height()));
  const qsizetype line = qsizetype{4} * pixels.width();
  if (!drawn.isValid() ||
      drawn.compressionAlgorithm() != QResource::NoCompression ||
      drawn.size() != line * pixels.height()) {
    return QImage();
  }
  return QImage(drawn.data(), pixels.width(), pixels.height(), line,
                QImage::Format_ARGB32_Premultiplied);
}

QSize PictureSize(Picture picture) {
  const PictureRow& row = RowFor(picture);
  return QSize(row.width, row.height);
}

QIcon ProgramIcon() { return QIcon(new ProgramIconEngine); }

}  // namespace quendaro
