#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "character/CharacterSheet.h"

namespace quendaro {

// Both ends included.
struct ScoreRange {
  int minimum;
  int maximum;
};

// The range of each ability for one race, strength to charisma.
using RaceLimits = std::array<ScoreRange, kAbilityCount>;

// The families of races that the class rules name, as bits, so that a rule's
// allowed set reads as the game's rules put it ("human, half-elf or any
// elf").
namespace race_family {
enum : unsigned {
  kHuman = 1u << 0,
  kHalfElf = 1u << 1,
  kMinotaur = 1u << 2,
  kElves = 1u << 3,
  kDwarves = 1u << 4,
  kGnomes = 1u << 5,
  kHalflings = 1u << 6,
};
}  // namespace race_family

// The groups of races that age alike: each has its own bands of age, its
// oldest age and its refusal (AgeCategories.cpp).
enum class AgeGroup {
  kHillDwarves,
  kMountainAndGreyDwarves,
  kDeepDwarves,
  kDitchAndSurfaceDwarves,
  kHighElves,
  kGreyAndWingedElves,
  kSeaElves,
  kDarkElves,
  kWoodElves,
  kHalflings,
  kHumans,
  kMinotaurs,
  kGnomes,
  kHalfElves,
};
inline constexpr int kAgeGroupCount = 14;
static_assert(static_cast<int>(AgeGroup::kHalfElves) + 1 == kAgeGroupCount);

// Everything the rules know of one race. The gnomes and the halflings (the
// kender among them) are the small races, which never have exceptional
// strength.
struct Race {
  std::string_view name;  // as the window lists it, matched exactly
  RaceLimits limits;      // strength, dexterity, ..., charisma
  unsigned family;        // one bit of race_family
  AgeGroup age_group;

  constexpr bool Small() const {
    return (family & (race_family::kGnomes | race_family::kHalflings)) != 0;
  }
};

// The 25 races, in the order of the character window's list.
inline constexpr std::array<Race, 25> kRaceTable = [] {
  using namespace race_family;
  return std::array<Race, 25>{{
      {"Elfo alto",
       {{{6, 18}, {6, 19}, {7, 17}, {8, 18}, {5, 18}, {8, 18}}},
       kElves,
       AgeGroup::kHighElves},
      {"Elfo grigio",
       {{{6, 17}, {7, 19}, {5, 16}, {8, 20}, {8, 18}, {8, 18}}},
       kElves,
       AgeGroup::kGreyAndWingedElves},
      {"Elfo silvano",
       {{{8, 19}, {7, 19}, {9, 17}, {8, 18}, {5, 18}, {7, 17}}},
       kElves,
       AgeGroup::kWoodElves},
      {"Elfo oscuro(Drow)",
       {{{6, 18}, {8, 20}, {7, 17}, {10, 19}, {7, 18}, {8, 18}}},
       kElves,
       AgeGroup::kDarkElves},
      {"Elfo marino",
       {{{6, 18}, {6, 19}, {8, 18}, {7, 17}, {7, 18}, {8, 18}}},
       kElves,
       AgeGroup::kSeaElves},
      {"Elfo alato(Avariel)",
       {{{5, 18}, {8, 21}, {7, 15}, {8, 18}, {5, 18}, {9, 18}}},
       kElves,
       AgeGroup::kGreyAndWingedElves},
      {"Umano",
       {{{7, 18}, {6, 18}, {6, 18}, {5, 18}, {5, 18}, {5, 18}}},
       kHuman,
       AgeGroup::kHumans},
      {"Nano di collina",
       {{{8, 18}, {5, 17}, {11, 18}, {5, 18}, {5, 18}, {5, 17}}},
       kDwarves,
       AgeGroup::kHillDwarves},
      {"Nano delle montagne",
       {{{8, 18}, {5, 17}, {11, 19}, {4, 18}, {5, 18}, {4, 16}}},
       kDwarves,
       AgeGroup::kMountainAndGreyDwarves},
      {"Nano sotterraneo",
       {{{8, 18}, {6, 16}, {13, 19}, {4, 18}, {4, 18}, {4, 15}}},
       kDwarves,
       AgeGroup::kDeepDwarves},
      {"Nano grigio(Duergar)",
       {{{8, 18}, {6, 17}, {11, 18}, {6, 16}, {4, 18}, {4, 15}}},
       kDwarves,
       AgeGroup::kMountainAndGreyDwarves},
      {"Nano di superficie",
       {{{8, 18}, {6, 17}, {11, 18}, {5, 16}, {5, 18}, {5, 16}}},
       kDwarves,
       AgeGroup::kDitchAndSurfaceDwarves},
      {"Nano di fosso",
       {{{6, 18}, {6, 18}, {8, 16}, {5, 12}, {5, 14}, {3, 12}}},
       kDwarves,
       AgeGroup::kDitchAndSurfaceDwarves},
      {"Gnomo degli abissi",
       {{{6, 18}, {6, 19}, {6, 18}, {5, 17}, {6, 19}, {4, 16}}},
       kGnomes,
       AgeGroup::kGnomes},
      {"Gnomo delle foreste",
       {{{6, 17}, {8, 19}, {8, 18}, {5, 17}, {6, 18}, {6, 18}}},
       kGnomes,
       AgeGroup::kGnomes},
      {"Gnomo delle rocce",
       {{{6, 18}, {7, 18}, {8, 18}, {7, 19}, {5, 17}, {5, 18}}},
       kGnomes,
       AgeGroup::kGnomes},
      {"Gnomo pensatore(Dragonlance)",
       {{{6, 18}, {8, 18}, {8, 18}, {9, 18}, {7, 12}, {7, 18}}},
       kGnomes,
       AgeGroup::kGnomes},
      {"Halfling stout",
       {{{5, 17}, {8, 19}, {10, 19}, {6, 18}, {6, 18}, {6, 18}}},
       kHalflings,
       AgeGroup::kHalflings},
      {"Halfling tallfellow",
       {{{6, 17}, {8, 19}, {10, 18}, {6, 18}, {7, 19}, {5, 18}}},
       kHalflings,
       AgeGroup::kHalflings},
      {"Kender(Dragonlance)",
       {{{6, 16}, {8, 19}, {10, 18}, {6, 19}, {6, 16}, {6, 18}}},
       kHalflings,
       AgeGroup::kHalflings},
      {"Halfling atasiano(Dark Sun)",
       {{{5, 16}, {12, 20}, {12, 17}, {7, 18}, {6, 20}, {5, 17}}},
       kHalflings,
       AgeGroup::kHalflings},
      {"Halfling polare(Furchin)(Spelljammer)",
       {{{5, 17}, {8, 19}, {10, 19}, {7, 18}, {6, 17}, {7, 18}}},
       kHalflings,
       AgeGroup::kHalflings},
      {"Halfling piedipelosi",
       {{{5, 17}, {8, 19}, {10, 18}, {6, 18}, {4, 18}, {6, 18}}},
       kHalflings,
       AgeGroup::kHalflings},
      {"Mezzelfo",
       {{{6, 18}, {5, 18}, {6, 18}, {5, 18}, {6, 18}, {5, 18}}},
       kHalfElf,
       AgeGroup::kHalfElves},
      {"Minotauro(Dragonlance)",
       {{{12, 20}, {8, 18}, {12, 20}, {6, 18}, {5, 18}, {5, 16}}},
       kMinotaur,
       AgeGroup::kMinotaurs},
  }};
}();

// The row of the race named exactly `name`; null for any other text
// ("nessuna", a race typed by hand).
constexpr const Race* FindRace(std::string_view name) {
  for (const Race& race : kRaceTable) {
    if (race.name == name) return &race;
  }
  return nullptr;
}

// The row of the one race of a family that has one race alone: the human,
// the half-elf, the minotaur. A family of several races, or of none, fails
// the build.
// (It counts by index: GCC's undefined-behaviour sanitizer makes a compared
// pointer into the table no constant expression.)
consteval const Race& OnlyRaceOf(unsigned family) {
  std::size_t found = kRaceTable.size();
  for (std::size_t i = 0; i < kRaceTable.size(); ++i) {
    if (kRaceTable[i].family != family) continue;
    if (found != kRaceTable.size()) throw "a family of several races";
    found = i;
  }
  if (found == kRaceTable.size()) throw "a family of no race";
  return kRaceTable[found];
}

}  // namespace quendaro
