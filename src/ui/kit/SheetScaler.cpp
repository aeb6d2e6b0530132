#include "ui/kit/SheetScaler.h"

#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QScrollArea>
#include <QSpacerItem>
#include <algorithm>
#include <cmath>

namespace quendaro {
namespace {

// A maximized window grows its type only once it has this much more room
// than the sheet needs, so that a common laptop screen keeps the design
// sizes and only a large one gets larger type.
constexpr qreal kRoomBeforeGrowing = 1.25;

// Factors move in steps, so that resizing a window by a few pixels does not
// set every font again.
constexpr qreal kStep = 0.025;

// Each attempt to fit takes one step down from the last; a few are enough,
// since the sheet scales almost in proportion.
constexpr int kMaxAttempts = 8;

int Scaled(int length, qreal factor) {
  return static_cast<int>(std::lround(length * factor));
}

QSize Scaled(const QSize& size, qreal factor) {
  const auto scale = [factor](int length) {
    return length >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : Scaled(length, factor);
  };
  return {scale(size.width()), scale(size.height())};
}

QMargins Scaled(const QMargins& margins, qreal factor) {
  return {Scaled(margins.left(), factor), Scaled(margins.top(), factor),
          Scaled(margins.right(), factor), Scaled(margins.bottom(), factor)};
}

bool Fits(const QSize& needed, const QSize& room) {
  return needed.width() <= room.width() && needed.height() <= room.height();
}

// The scroll area asks for the sheet's own size, so that a window shown
// at its natural size opens without scroll bars.
class SheetArea final : public QScrollArea {
 public:
  explicit SheetArea(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("SheetArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The area is no stop for Tab: the controls on the sheet are.
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  }

  QSize sizeHint() const override {
    return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint();
  }
};

}  // namespace

SheetScaler* SheetScaler::Install(QMainWindow* window) {
  QWidget* sheet = window->takeCentralWidget();
  if (sheet == nullptr) {
    qFatal("SheetScaler::Install: %s has no central widget to fit",
           qPrintable(window->objectName()));
  }
  auto* area = new SheetArea(window);
  area->setWidget(sheet);
  window->setCentralWidget(area);
  return new SheetScaler(area, sheet);
}

SheetScaler::SheetScaler(QScrollArea* area, QWidget* sheet)
    : QObject(area), area_(area), sheet_(sheet) {
  Remember();
  natural_ = sheet_->minimumSizeHint();
  area_->installEventFilter(this);
  sheet_->installEventFilter(this);
}

bool SheetScaler::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_ && event->type() == QEvent::Resize) {
    room_ = area_->size();
    Fit();
  } else if (watched == sheet_ && event->type() == QEvent::LayoutRequest) {
    // A longer text may have made the sheet wider: shrink a little more if
    // it no longer fits, but never grow back here, which could start the
    // type swinging between two sizes.
    KeepFitting();
  }
  return QObject::eventFilter(watched, event);
}

void SheetScaler::Remember() {
  std::vector<QWidget*> widgets = {sheet_};
  for (QWidget* child : sheet_->findChildren<QWidget*>()) {
    widgets.push_back(child);
  }
  for (QWidget* widget : widgets) {
    const auto* label = qobject_cast<QLabel*>(widget);
    widgets_.push_back({widget, widget->font(), widget->minimumSize(),
                        widget->maximumSize(), widget->contentsMargins(),
                        label != nullptr ? label->margin() : 0});
  }
  for (QLayout* layout : sheet_->findChildren<QLayout*>()) {
    LayoutSizes sizes{layout, layout->contentsMargins(), -1, -1, {}, {}};
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
      sizes.horizontal_spacing = grid->horizontalSpacing();
      sizes.vertical_spacing = grid->verticalSpacing();
      for (int column = 0; column < grid->columnCount(); ++column) {
        sizes.column_minimums.push_back(grid->columnMinimumWidth(column));
      }
      for (int row = 0; row < grid->rowCount(); ++row) {
        sizes.row_minimums.push_back(grid->rowMinimumHeight(row));
      }
    } else {
      sizes.horizontal_spacing = layout->spacing();
    }
    layouts_.push_back(sizes);
    for (int i = 0; i < layout->count(); ++i) {
      if (QSpacerItem* spacer = layout->itemAt(i)->spacerItem()) {
        spacers_.push_back({layout, spacer, spacer->sizeHint()});
      }
    }
  }
}

void SheetScaler::Fit() {
  if (natural_.isEmpty() || room_.isEmpty()) return;
  const qreal ratio =
      std::min(static_cast<qreal>(room_.width()) / natural_.width(),
               static_cast<qreal>(room_.height()) / natural_.height());
  qreal target =
      ratio < 1 ? ratio : std::max<qreal>(1, ratio / kRoomBeforeGrowing);
  target = std::floor(target / kStep) * kStep;
  target = std::clamp(target, kSmallest, kLargest);
  Apply(target);
  KeepFitting();
}

void SheetScaler::KeepFitting() {
  if (room_.isEmpty()) return;
  // Fonts and frames do not shrink exactly in proportion: step down until
  // the sheet truly fits, or scroll once the type is at its smallest.
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    if (Fits(sheet_->minimumSizeHint(), room_) || factor_ <= kSmallest) break;
    Apply(std::max(kSmallest, factor_ - kStep));
  }
  // The scroll bars show only when the sheet cannot shrink any further; a
  // sheet that fits the whole area never loses room to them.
  const Qt::ScrollBarPolicy bars = Fits(sheet_->minimumSizeHint(), room_)
                                       ? Qt::ScrollBarAlwaysOff
                                       : Qt::ScrollBarAsNeeded;
  area_->setHorizontalScrollBarPolicy(bars);
  area_->setVerticalScrollBarPolicy(bars);
}

void SheetScaler::Apply(qreal factor) {
  if (std::abs(factor - factor_) < kStep / 2) return;
  factor_ = factor;
  for (const WidgetSizes& sizes : widgets_) {
    QWidget* widget = sizes.widget;
    if (widget == nullptr) continue;
    QFont font = sizes.font;
    if (font.pointSizeF() > 0) {
      font.setPointSizeF(font.pointSizeF() * factor);
    } else if (font.pixelSize() > 0) {
      font.setPixelSize(std::max(1, Scaled(font.pixelSize(), factor)));
    }
    widget->setFont(font);
    widget->setMinimumSize(Scaled(sizes.minimum, factor));
    widget->setMaximumSize(Scaled(sizes.maximum, factor));
    widget->setContentsMargins(Scaled(sizes.margins, factor));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setMargin(Scaled(sizes.label_margin, factor));
    }
  }
  for (const LayoutSizes& sizes : layouts_) {
    QLayout* layout = sizes.layout;
    if (layout == nullptr) continue;
    layout->setContentsMargins(Scaled(sizes.margins, factor));
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
      if (sizes.horizontal_spacing >= 0) {
        grid->setHorizontalSpacing(Scaled(sizes.horizontal_spacing, factor));
      }
      if (sizes.vertical_spacing >= 0) {
        grid->setVerticalSpacing(Scaled(sizes.vertical_spacing, factor));
      }
      for (std::size_t column = 0; column < sizes.column_minimums.size();
           ++column) {
        grid->setColumnMinimumWidth(
            static_cast<int>(column),
            Scaled(sizes.column_minimums[column], factor));
      }
      for (std::size_t row = 0; row < sizes.row_minimums.size(); ++row) {
        grid->setRowMinimumHeight(static_cast<int>(row),
                                  Scaled(sizes.row_minimums[row], factor));
      }
    } else if (sizes.horizontal_spacing >= 0) {
      layout->setSpacing(Scaled(sizes.horizontal_spacing, factor));
    }
  }
  for (const SpacerSizes& sizes : spacers_) {
    const QSizePolicy policy = sizes.spacer->sizePolicy();
    sizes.spacer->changeSize(
        Scaled(sizes.size.width(), factor), Scaled(sizes.size.height(), factor),
        policy.horizontalPolicy(), policy.verticalPolicy());
    sizes.owner->invalidate();
  }
}

}  // namespace quendaro
