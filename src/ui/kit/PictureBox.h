#pragma once

#include <QWidget>

#include "ui/kit/Pictures.h"

class QPixmap;
class QSizeF;

namespace quendaro {

// A picture control: one of the program's pictures drawn to fill the control
// at its own proportion, with an optional single-line border, and a click
// notification. The picture is drawn from its vector art at the screen's
// resolution, so it stays sharp at any scale, and kept for the next paint. It
// takes the keyboard focus, and Space or Return counts as a click, so that
// every picture that leads somewhere can be reached without a mouse.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  enum class BorderStyle {
    kNone,
    kFixedSingle,
  };

  // `scale` multiplies the picture's design size into the control's preferred
  // size.
  explicit PictureBox(Picture picture, qreal scale = 1.0,
                      QWidget* parent = nullptr);

  void SetBorderStyle(BorderStyle style);
  BorderStyle Border() const { return border_; }

  // Does what a click does; for the keyboard and assistive technology.
  void Press() { emit clicked(); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The picture drawn at `size`, from the cache when it has been drawn
  // at that size and ratio before.
  QPixmap Rendered(const QSizeF& size, qreal device_pixel_ratio) const;

  Picture picture_;
  QSize design_size_;
  qreal scale_;
  BorderStyle border_ = BorderStyle::kNone;
  bool pressed_ = false;
};

}  // namespace quendaro
