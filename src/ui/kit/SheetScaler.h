#pragma once

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <vector>

class QLayout;
class QMainWindow;
class QScrollArea;
class QSpacerItem;
class QWidget;

namespace quendaro {

// Fits a large window's sheet to the room the window has. The window's
// central widget goes into a scroll area, and whenever that area changes size
// the sheet's type, spacings and fixed sizes are scaled together: down until
// the whole sheet fits a small or high-scale screen, up (moderately) when a
// maximized window on a large screen would otherwise leave a wide empty
// border. Only when the type is already at its smallest does the sheet
// scroll; it is never cut off. The menu bar is left at its own size.
class SheetScaler final : public QObject {
  Q_OBJECT

 public:
  // Call once the window's controls are all in place.
  static SheetScaler* Install(QMainWindow* window);

  // The factor now applied to the sheet's design sizes.
  qreal Factor() const { return factor_; }

  // The smallest and largest factors; below the smallest the sheet scrolls.
  static constexpr qreal kSmallest = 0.6;
  static constexpr qreal kLargest = 1.35;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SheetScaler(QScrollArea* area, QWidget* sheet);

  struct WidgetSizes {
    QPointer<QWidget> widget;
    QFont font;
    QSize minimum;
    QSize maximum;
    QMargins margins;
    int label_margin;
  };
  struct LayoutSizes {
    QPointer<QLayout> layout;
    QMargins margins;
    int horizontal_spacing;
    int vertical_spacing;
    std::vector<int> column_minimums;
    std::vector<int> row_minimums;
  };
  struct SpacerSizes {
    QLayout* owner;
    QSpacerItem* spacer;
    QSize size;
  };

  void Remember();
  // Chooses the factor for the room the area has now.
  void Fit();
  // Steps the factor down while the sheet does not fit, and shows the
  // scroll bars only when it still does not.
  void KeepFitting();
  void Apply(qreal factor);

  QScrollArea* area_;
  QWidget* sheet_;
  QSize natural_;
  QSize room_;
  qreal factor_ = 1.0;
  std::vector<WidgetSizes> widgets_;
  std::vector<LayoutSizes> layouts_;
  std::vector<SpacerSizes> spacers_;
};

}  // namespace quendaro
