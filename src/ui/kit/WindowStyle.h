#pragma once

#include <QColor>
#include <QSize>

class QFrame;
class QLabel;
class QMainWindow;
class QMenuBar;
class QWidget;

namespace quendaro {

// The look the generator windows share: a leather desk, a parchment sheet on
// it with a dark edge, paler panels on the sheet, dark red headings and navy
// results. Input boxes keep the colours each window gives them.
inline constexpr QRgb kDeskColor = qRgb(92, 62, 40);
inline constexpr QRgb kEdgeColor = qRgb(48, 30, 18);
inline constexpr QRgb kSheetColor = qRgb(239, 230, 210);
inline constexpr QRgb kPanelColor = qRgb(250, 246, 236);
inline constexpr QRgb kOutputColor = qRgb(255, 253, 246);

// A maximized window's sheet grows up to this size and then stands centred,
// so that a large screen gets a wider margin of desk rather than a form
// stretched thin.
inline constexpr QSize kSheetMaximumSize(1400, 780);

// Menus are read on a maximized window too, so they are set a size larger
// than a dialog's.
inline constexpr qreal kMenuPoints = 12;

// Headings on the sheet are dark red, results navy.
QColor HeadingColor();
QColor ResultColor();

void FillBackground(QWidget* widget, const QColor& color);
void SetTextColor(QWidget* widget, const QColor& color);
// The background of a text, list or spin box and the colour of its text.
void SetBoxColor(QWidget* box, const QColor& color,
                 const QColor& text = Qt::black);

// The desk and the sheet on it, which a large window lays its controls on.
struct Desk {
  QWidget* desk;
  QFrame* edge;  // the dark edge of the sheet
  QWidget* sheet;
};

// Makes a desk the central widget of `window`, with an empty sheet centred
// on it. The sheet has no layout yet.
Desk SetDeskAsCentralWidget(QMainWindow* window);

// A small window is a sheet of its own, without a desk.
void MakeSheet(QWidget* window);

// A paler panel on the sheet, with the style's frame.
void MakePanel(QFrame* panel);

// A result on a pale ground in a sunken frame, so that its place shows while
// it is empty.
void MakeResultBox(QLabel* label);

// Sets the menu font on the bar and on each of its menus; call it once the
// menus are in place.
void SetMenuFont(QMenuBar* bar);

}  // namespace quendaro
