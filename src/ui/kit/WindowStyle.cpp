#include "ui/kit/WindowStyle.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "ui/kit/ClassicColors.h"
#include "ui/kit/Fonts.h"

namespace quendaro {

QColor HeadingColor() { return ClassicColor(4); }

QColor ResultColor() { return ClassicColor(1); }

void FillBackground(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  widget->setPalette(palette);
}

void SetBoxColor(QWidget* box, const QColor& color, const QColor& text) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, color);
  palette.setColor(QPalette::Text, text);
  box->setPalette(palette);
}

Desk SetDeskAsCentralWidget(QMainWindow* window) {
  auto* desk = new QWidget(window);
  FillBackground(desk, QColor(kDeskColor));
  auto* desk_rows = new QVBoxLayout(desk);
  desk_rows->setContentsMargins(16, 12, 16, 12);
  auto* desk_columns = new QHBoxLayout();
  desk_rows->addStretch(1);
  desk_rows->addLayout(desk_columns, 100);
  desk_rows->addStretch(1);

  // The edge is a frame two pixels wider than the sheet on every side.
  auto* edge = new QFrame(desk);
  FillBackground(edge, QColor(kEdgeColor));
  edge->setMaximumSize(kSheetMaximumSize);
  auto* edge_layout = new QVBoxLayout(edge);
  edge_layout->setContentsMargins(2, 2, 2, 2);
  auto* sheet = new QWidget(edge);
  FillBackground(sheet, QColor(kSheetColor));
  edge_layout->addWidget(sheet);
  desk_columns->addStretch(1);
  desk_columns->addWidget(edge, 100);
  desk_columns->addStretch(1);

  window->setCentralWidget(desk);
  return {desk, edge, sheet};
}

void MakeSheet(QWidget* window) { FillBackground(window, QColor(kSheetColor)); }

void MakePanel(QFrame* panel) {
  panel->setFrameShape(QFrame::StyledPanel);
  FillBackground(panel, QColor(kPanelColor));
}

void MakeResultBox(QLabel* label) {
  label->setFrameShape(QFrame::StyledPanel);
  label->setFrameShadow(QFrame::Sunken);
  label->setMargin(3);
  label->setMinimumHeight(QFontMetrics(label->font()).height() + 12);
  label->setTextFormat(Qt::PlainText);
  label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  SetTextColor(label, ResultColor());
  FillBackground(label, QColor(kOutputColor));
  // A result can be selected and copied like any text.
  label->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                 Qt::TextSelectableByKeyboard);
}

void SetMenuFont(QMenuBar* bar) {
  const QFont font = RoleFont(FontRole::kDialog, kMenuPoints);
  bar->setFont(font);
  for (QMenu* menu : bar->findChildren<QMenu*>()) menu->setFont(font);
}

}  // namespace quendaro
