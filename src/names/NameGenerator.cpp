#include "names/NameGenerator.h"

#include <array>
#include <cassert>

#include "random/RandomSource.h"

namespace quendaro {
namespace {

// One syllable and the draws 1-99 that pick it.
struct Syllable {
  int low;
  int high;
  std::string_view text;
};

constexpr std::array<Syllable, 7> kFirstParts = {{
    {1, 14, "Ghu"},
    {15, 29, "La"},
    {30, 44, "Kar"},
    {45, 59, "Rai"},
    {60, 74, "Thor"},
    {75, 89, "Gwe"},
    {90, 99, "Gwy"},
}};

constexpr std::array<Syllable, 5> kMaleSecondParts = {{
    {1, 19, "nthar"},
    {20, 39, "ren"},
    {40, 59, "mon"},
    {60, 79, "aard"},
    {80, 99, "riil"},
}};

constexpr std::array<Syllable, 5> kFemaleSecondParts = {{
    {1, 19, "nthire"},
    {20, 39, "rene"},
    {40, 59, "misy"},
    {60, 79, "aphrea"},
    {80, 99, "riel"},
}};

constexpr std::array<Syllable, 5> kMaleThirdParts = {{
    {1, 19, "us"},
    {20, 39, "riel"},
    {40, 59, "link"},
    {60, 79, "is"},
    {80, 99, "rak"},
}};

constexpr std::array<Syllable, 5> kFemaleThirdParts = {{
    {1, 19, "lyn"},
    {20, 39, "phrea"},
    {40, 59, "lithae"},
    {60, 79, "ae"},
    {80, 99, "lian"},
}};

// "aard" softens a few first parts: Lanaard, Gwenaard, Gwynaard.
struct FirstPartChange {
  std::string_view from;
  std::string_view to;
};
constexpr std::array<FirstPartChange, 3> kBeforeAard = {{
    {"La", "Lan"},
    {"Gwe", "Gwen"},
    {"Gwy", "Gwyn"},
}};

// Every female name with "aphrea" begins with "Lun", whatever came first.
constexpr std::string_view kBeforeAphrea = "Lun";
// "phrea" twice in a row would stutter; "mi" follows it instead.
constexpr std::string_view kAfterPhrea = "mi";

// A third part follows only on a decision draw below this.
constexpr int kThirdPartBelow = 50;

template <std::size_t N>
std::string_view Pick(const std::array<Syllable, N>& table, int roll) {
  for (const Syllable& syllable : table) {
    if (roll >= syllable.low && roll <= syllable.high) return syllable.text;
  }
  assert(false && "syllable tables cover every roll 1-99");
  return {};
}

int RollPercent(RandomSource& random) { return random.Roll(99, 1); }

std::string MaleName(std::string_view first, RandomSource& random) {
  const std::string_view second = Pick(kMaleSecondParts, RollPercent(random));
  if (second == "aard") {
    for (const FirstPartChange& change : kBeforeAard) {
      if (first == change.from) first = change.to;
    }
  }
  std::string name(first);
  name += second;
  if (RollPercent(random) < kThirdPartBelow) {
    name += Pick(kMaleThirdParts, RollPercent(random));
  }
  return name;
}

std::string FemaleName(std::string_view first, RandomSource& random) {
  const std::string_view second = Pick(kFemaleSecondParts, RollPercent(random));
  if (second == "aphrea") first = kBeforeAphrea;
  std::string name(first);
  name += second;
  if (RollPercent(random) < kThirdPartBelow) {
    std::string_view third = Pick(kFemaleThirdParts, RollPercent(random));
    if (third == "phrea" && second.ends_with("phrea")) third = kAfterPhrea;
    name += third;
  }
  return name;
}

}  // namespace

NameResult NameGenerator::GenerateName(NameChoice choice,
                                       RandomSource& random) const {
  const std::string_view first = Pick(kFirstParts, RollPercent(random));
  switch (choice) {
    case NameChoice::kNone:
      return {choice, "", kNoNameChoiceWarning};
    case NameChoice::kMale:
      return {choice, MaleName(first, random), std::nullopt};
    case NameChoice::kFemale:
      return {choice, FemaleName(first, random), std::nullopt};
  }
  return {};
}

}  // namespace quendaro
