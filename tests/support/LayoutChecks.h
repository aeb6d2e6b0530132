#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace quendaro::testing {

// The controls of `window` a person reads or uses: texts, buttons and input
// boxes, but not the edit fields inside a combo or spin box (their box is the
// control) nor frames, lines and panels.
inline std::vector<QWidget*> VisibleControls(QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->window() != &window || !widget->isVisible()) continue;
    QWidget* parent = widget->parentWidget();
    const bool inner_field = qobject_cast<QComboBox*>(parent) != nullptr ||
                             qobject_cast<QAbstractSpinBox*>(parent) != nullptr;
    if (inner_field) continue;
    if (qobject_cast<QLabel*>(widget) != nullptr ||
        qobject_cast<QAbstractButton*>(widget) != nullptr ||
        qobject_cast<QLineEdit*>(widget) != nullptr ||
        qobject_cast<QComboBox*>(widget) != nullptr ||
        qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
        widget->focusPolicy() != Qt::NoFocus) {
      controls.push_back(widget);
    }
  }
  return controls;
}

inline QString Describe(const QWidget& widget) {
  const QString name =
      widget.objectName().isEmpty()
          ? QString::fromLatin1(widget.metaObject()->className())
          : widget.objectName();
  const QRect at(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
  return QStringLiteral("%1 (%2,%3 %4x%5)")
      .arg(name)
      .arg(at.x())
      .arg(at.y())
      .arg(at.width())
      .arg(at.height());
}

// Whether `widget` lies whole inside every widget that holds it, up to its
// window. Inside a scroll area only the area itself has to be in view: what
// it holds is reached by scrolling.
inline bool InsideItsWindow(const QWidget& widget) {
  QRect rect = widget.rect();
  const QWidget* child = &widget;
  while (!child->isWindow()) {
    rect.translate(child->pos());
    const QWidget* parent = child->parentWidget();
    const auto* area =
        qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
    if (area != nullptr && area->viewport() == parent) {
      rect = QRect(parent->mapTo(area, QPoint(0, 0)), parent->size());
      child = area;
      continue;
    }
    if (!parent->rect().contains(rect)) return false;
    child = parent;
  }
  return true;
}

// Whether the text of `widget` shows whole: a label at least as large as it
// asks to be (a wrapped label as tall as its text needs at its width), an
// edit field of a combo box wide enough for the text it holds, and any other
// control no smaller than its least size.
inline bool TextShowsWhole(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->text().isEmpty()) return true;
    if (label->wordWrap()) {
      return label->height() >= label->heightForWidth(label->width());
    }
    const QSize wanted = label->sizeHint();
    return label->width() >= wanted.width() &&
           label->height() >= wanted.height();
  }
  if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    const QLineEdit* field = combo->lineEdit();
    if (field == nullptr) return combo->width() >= combo->sizeHint().width();
    const int text =
        QFontMetrics(field->font()).horizontalAdvance(combo->currentText());
    // A line edit keeps two pixels of margin either side of its text.
    return field->width() >= text + 4;
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    // A button without a caption has nothing to cut.
    if (button->text().isEmpty() && button->icon().isNull()) return true;
  }
  const QSize least = widget.minimumSizeHint();
  return widget.width() >= least.width() && widget.height() >= least.height();
}

// What a person would find wrong with `window` as it stands on its screen:
// the window larger than the screen, controls outside the part of the window
// that shows (or can be scrolled to), texts cut short, texts lying over one
// another. Empty when the window looks whole.
inline QStringList LayoutFaults(QWidget& window) {
  QStringList faults;
  // A pixel of slack: a screen of 1366 pixels at 125 % is 1092.8 of the
  // program's pixels wide, which a maximized window rounds up.
  const QRect screen =
      window.screen()->availableGeometry().adjusted(-1, -1, 1, 1);
  if (!screen.contains(window.frameGeometry())) {
    faults << QStringLiteral(
                  "the window (%1x%2) does not fit the screen "
                  "(%3x%4)")
                  .arg(window.frameGeometry().width())
                  .arg(window.frameGeometry().height())
                  .arg(screen.width())
                  .arg(screen.height());
  }
  const std::vector<QWidget*> controls = VisibleControls(window);
  for (QWidget* control : controls) {
    if (!InsideItsWindow(*control)) {
      faults << Describe(*control) + QStringLiteral(" lies outside the window");
    }
    if (!TextShowsWhole(*control)) {
      faults << Describe(*control) + QStringLiteral(" is cut short");
    }
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const QRect first(controls[i]->mapTo(&window, QPoint(0, 0)),
                      controls[i]->size());
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      if (controls[i]->isAncestorOf(controls[j]) ||
          controls[j]->isAncestorOf(controls[i])) {
        continue;
      }
      const QRect second(controls[j]->mapTo(&window, QPoint(0, 0)),
                         controls[j]->size());
      if (first.intersects(second)) {
        faults << Describe(*controls[i]) + QStringLiteral(" overlaps ") +
                      Describe(*controls[j]);
      }
    }
  }
  return faults;
}

// Whether any scroll bar of `window` shows, that is whether part of the
// window can only be seen by scrolling.
inline bool Scrolls(QWidget& window) {
  for (QScrollBar* bar : window.findChildren<QScrollBar*>()) {
    if (bar->window() == &window && bar->isVisible()) return true;
  }
  return false;
}

}  // namespace quendaro::testing
