#pragma once

#include <string_view>
#include <vector>

#include "character/CharacterSheet.h"
#include "random/RandomSource.h"

namespace quendaro {

// One press of "Tira i dadi": checks the choices, rolls the six scores within
// the race's limits, applies the class rule, finds the age category and looks
// up each score's table row. It never stops early: every message is raised and
// the sheet is always complete. The sheet holds values; turning them into the
// window's texts is the presentation's business. Six reseeds and six or seven
// draws per call, whatever the inputs. Holds no state between calls.
class CharacterGenerator {
 public:
  // `decimal_separator` reads the age text: the window passes the system's
  // regional one.
  explicit CharacterGenerator(char decimal_separator = '.')
      : decimal_separator_(decimal_separator) {}

  CharacterSheet Generate(const CharacterRequest& request,
                          RandomSource& random) const;
  // The same, written over `sheet`, whose texts keep their storage: a run of
  // many characters makes no new strings once the first is made. Gives the
  // same sheet as Generate whatever `sheet` held.
  void Generate(const CharacterRequest& request, RandomSource& random,
                CharacterSheet& sheet) const;

  // The messages Generate raises for `request`, in the same order, found
  // without a roll: each comes of the choices and the age alone, never of
  // the dice, so a caller can refuse a request before anything is drawn.
  std::vector<std::string_view> Messages(const CharacterRequest& request) const;

 private:
  char decimal_separator_;
};

}  // namespace quendaro
