#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "hitpoints/ClassGroup.h"

namespace quendaro {

// The game's five kinds of saving throw, in the order its table lists them.
enum class SavingThrow {
  kParalyzation,   // paralysis, poison or death magic
  kRod,            // rod, staff or wand
  kPetrification,  // petrification or polymorph
  kBreath,         // breath weapon
  kSpell,
};
inline constexpr int kSavingThrowCount = 5;

// The number needed on 1d20 against each kind, paralyzation to spell.
using SavingThrows = std::array<int, kSavingThrowCount>;

// What a character needs on 1d20 in a fight: to hit armour class 0, and to
// escape each kind of danger. Lower is better.
struct CombatNumbers {
  int thac0 = 20;
  SavingThrows saving_throws{};

  bool operator==(const CombatNumbers&) const = default;
};

// The numbers of one class group at `level` (1-20), from the game's THAC0
// and saving-throw tables.
CombatNumbers CombatNumbersOf(ClassGroup group, int level);

// The numbers of a class of the character window at `level` (1-20): its
// group's, and for a multi-class character the best of its groups', THAC0
// and each saving throw chosen apart (the fighter/mage/thief fights as a
// warrior and saves against rods as a wizard). Missing for a text outside
// the 41 classes, which has no group.
std::optional<CombatNumbers> CombatNumbersOfClass(
    std::string_view character_class, int level);

}  // namespace quendaro
