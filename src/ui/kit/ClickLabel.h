#pragma once

#include <QLabel>

namespace quendaro {

// A label that reports a click, for the start window and the main menu, where
// a word is as good as its picture. It does not react to the mouse passing
// over it.
class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace quendaro
