#include "ui/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

namespace quendaro {

PictureBox::PictureBox(Picture picture, qreal scale, QWidget* parent)
    : QWidget(parent),
      renderer_(new QSvgRenderer(PicturePath(picture), this)),
      design_size_(PictureSize(picture)),
      scale_(scale) {
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
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
  renderer_->render(&painter, target);

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
