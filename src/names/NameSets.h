#pragma once

#include <optional>
#include <string_view>

#include "names/NameGenerator.h"

namespace quendaro {

class RandomSource;

// The families of names that fit a race: each has male and female parts of
// its own (data/names/name-parts.csv). The rarer races take the set of the
// family they belong to; which race takes which set is the race's business.
enum class NameSet {
  kHumans,
  kElves,
  kDwarves,
  kGnomes,
  kHalflings,
  kHalfElves,
  kMinotaurs,
};
inline constexpr int kNameSetCount = 7;

// The set's key in the data files, also its Italian name in the steps of a
// generation: "umani", "elfi", "nani", "gnomi", "halfling", "mezzelfi",
// "minotauri".
constexpr std::string_view NameSetKey(NameSet set) {
  switch (set) {
    case NameSet::kHumans:
      return "umani";
    case NameSet::kElves:
      return "elfi";
    case NameSet::kDwarves:
      return "nani";
    case NameSet::kGnomes:
      return "gnomi";
    case NameSet::kHalflings:
      return "halfling";
    case NameSet::kHalfElves:
      return "mezzelfi";
    case NameSet::kMinotaurs:
      return "minotauri";
  }
  return {};
}

// The set whose key is `key`, or none.
constexpr std::optional<NameSet> NameSetNamed(std::string_view key) {
  for (int i = 0; i < kNameSetCount; ++i) {
    if (NameSetKey(static_cast<NameSet>(i)) == key) {
      return static_cast<NameSet>(i);
    }
  }
  return std::nullopt;
}

// Builds a name of one set: a beginning, a middle (which may add nothing)
// and an ending, each drawn evenly from the set's parts for the sex with one
// roll of the shared source, three rolls in all. Each set and sex gives over
// 8,000 different names. The source is never reseeded. The name window's
// own syllables are NameGenerator's; these sets stand beside them.
class NameSetGenerator {
 public:
  // With kNone nothing is drawn and the result is the name window's
  // warning alone.
  NameResult GenerateName(NameSet set, NameChoice choice,
                          RandomSource& random) const;
};

}  // namespace quendaro
