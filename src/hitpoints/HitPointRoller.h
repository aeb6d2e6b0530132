#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "hitpoints/ClassGroup.h"

namespace quendaro {

class RandomSource;

// One roll of a class group's button: what was asked for and the hit points,
// which are missing when the level text is not a level from 1 to 20.
struct HitPointResult {
  ClassGroup group = ClassGroup::kMilitare;
  std::string level_text;
  std::optional<int> level;
  bool reroll = false;
  std::optional<int> hit_points;
};

// Rolls the hit points of a non-player character from the class group, the
// level as the user typed it and the reroll option. The constitution bonus is
// left to the user, who adds it by hand.
class HitPointRoller {
 public:
  // `decimal_separator` is the regional one the level text is read with, so
  // that "3,0" is level 3 under Italian settings.
  explicit HitPointRoller(char decimal_separator = '.')
      : decimal_separator_(decimal_separator) {}

  // A level text that is not exactly a whole number 1-20 (empty, letters,
  // "2,5", "21") gives no hit points and draws nothing. One draw per call; the
  // source is never reseeded.
  HitPointResult RollHitPoints(ClassGroup group, std::string_view level_text,
                               bool reroll, RandomSource& random) const;

 private:
  char decimal_separator_;
};

}  // namespace quendaro
