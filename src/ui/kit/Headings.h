#pragma once

#include <QFont>
#include <array>
#include <string_view>

class QLabel;
class QWidget;

namespace quendaro {

// A heading on a sheet ("Personaggio", "Abilità"): a label named `name` in
// the heading colour, as tall as its type and no taller.
QLabel* MakeHeading(const char* name, std::string_view text, const QFont& font,
                    QWidget* parent);

// One piece of a window's three-piece title.
struct TitlePiece {
  const char* name;  // the label's design name
  std::string_view text;
  QFont font;
};

// Where a title stands in the room it is given.
enum class TitlePlace {
  kCentred,  // in the middle, as a sheet's heading
  kPacked,   // its own width only, for a row that places it
};

// A window's title in three labels, its first and last letter large and its
// middle smaller ("Q" "uendar" "o"), set on one baseline in the heading
// colour so that they read as one word.
QWidget* MakeTitle(const std::array<TitlePiece, 3>& pieces, TitlePlace place,
                   QWidget* parent);

}  // namespace quendaro
