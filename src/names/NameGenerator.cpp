#include "names/NameGenerator.h"

#include <array>
#include <cassert>
#include <string>

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

// Every roll from 1 to 99 picks exactly one syllable: the rows follow one
// another without gap or overlap and end at 99.
template <std::size_t N>
constexpr bool CoversEveryRoll(const std::array<Syllable, N>& table) {
  int next = 1;
  for (const Syllable& syllable : table) {
    if (syllable.low != next || syllable.high < syllable.low) return false;
    next = syllable.high + 1;
  }
  return next == 100;
}

static_assert(CoversEveryRoll(kFirstParts));
static_assert(CoversEveryRoll(kMaleSecondParts));
static_assert(CoversEveryRoll(kFemaleSecondParts));
static_assert(CoversEveryRoll(kMaleThirdParts));
static_assert(CoversEveryRoll(kFemaleThirdParts));

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

constexpr std::string_view kFirstCaption = "Prima sillaba";
constexpr std::string_view kSecondCaption = "Seconda sillaba";
constexpr std::string_view kThirdCaption = "Terza sillaba";
constexpr std::string_view kThirdChanceCaption = "Terza sillaba, probabilità";

int RollPercent(RandomSource& random, std::string_view caption) {
  return random.Roll(99, 1, LabelOf(caption));
}

// One Roll(99, 1) and the syllable of `table` it picks; with a log, the
// table line is a step of `caption`.
template <std::size_t N>
std::string_view Pick(const std::array<Syllable, N>& table,
                      std::string_view caption, RandomSource& random) {
  const int roll = RollPercent(random, caption);
  for (const Syllable& syllable : table) {
    if (roll < syllable.low || roll > syllable.high) continue;
    if (RollLog* log = random.Log()) {
      log->Rule(std::string(caption),
                "riga " + std::to_string(syllable.low) + "–" +
                    std::to_string(syllable.high),
                {}, std::string(syllable.text));
    }
    return syllable.text;
  }
  // Out of reach: the tables cover every roll of Roll(99, 1).
  assert(false && "a roll outside 1-99");
  return roll < table.front().low ? table.front().text : table.back().text;
}

// Whether a third part follows; with a log, a refusal is a step.
bool ThirdPartFollows(RandomSource& random) {
  const bool follows =
      RollPercent(random, kThirdChanceCaption) < kThirdPartBelow;
  if (RollLog* log = random.Log(); log != nullptr && !follows) {
    log->Rule(std::string(kThirdCaption),
              "nessuna: serviva meno di " + std::to_string(kThirdPartBelow), {},
              {});
  }
  return follows;
}

void RecordChange(RandomSource& random, std::string_view caption,
                  std::string_view rule, std::string_view from,
                  std::string_view to) {
  if (RollLog* log = random.Log(); log != nullptr && from != to) {
    log->Rule(std::string(caption), std::string(rule), std::string(from),
              std::string(to));
  }
}

std::string MaleName(std::string_view first, RandomSource& random) {
  const std::string_view second =
      Pick(kMaleSecondParts, kSecondCaption, random);
  if (second == "aard") {
    for (const FirstPartChange& change : kBeforeAard) {
      if (first != change.from) continue;
      RecordChange(random, kFirstCaption, "davanti ad «aard»", first,
                   change.to);
      first = change.to;
    }
  }
  std::string name(first);
  name += second;
  if (ThirdPartFollows(random)) {
    name += Pick(kMaleThirdParts, kThirdCaption, random);
  }
  return name;
}

std::string FemaleName(std::string_view first, RandomSource& random) {
  const std::string_view second =
      Pick(kFemaleSecondParts, kSecondCaption, random);
  if (second == "aphrea") {
    RecordChange(random, kFirstCaption, "davanti ad «aphrea»", first,
                 kBeforeAphrea);
    first = kBeforeAphrea;
  }
  std::string name(first);
  name += second;
  if (ThirdPartFollows(random)) {
    std::string_view third = Pick(kFemaleThirdParts, kThirdCaption, random);
    if (third == "phrea" && second.ends_with("phrea")) {
      RecordChange(random, kThirdCaption, "dopo «phrea»", third, kAfterPhrea);
      third = kAfterPhrea;
    }
    name += third;
  }
  return name;
}

}  // namespace

NameResult NameGenerator::GenerateName(NameChoice choice,
                                       RandomSource& random) const {
  const std::string_view first = Pick(kFirstParts, kFirstCaption, random);
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
