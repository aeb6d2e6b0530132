// Any bytes become the eight texts of a character request and the dice; the
// sheet must keep every promise of the character window.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>

#include "character/AbilityScores.h"
#include "character/AbilityTables.h"
#include "character/AgeCategories.h"
#include "character/CharacterChoices.h"
#include "character/CharacterGenerator.h"
#include "character/ClassRules.h"
#include "common/NumberText.h"
#include "fuzz/FuzzSupport.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/Record.h"
#include "presentation/Sheets.h"
#include "random/RandomSource.h"

namespace quendaro::fuzzing {
namespace {

constexpr std::array<std::string_view, 4> kNames = {"", "Orvo", "Orvo ",
                                                    "Orvo Brantelmo"};
constexpr std::array<std::string_view, 8> kAges = {"",   "1",   "20",  "0",
                                                   "-3", "2,5", "1e9", "450"};

template <typename Choices>
std::array<std::string_view, std::tuple_size_v<Choices> + 1> WithPlaceholder(
    const Choices& choices, std::string_view placeholder) {
  std::array<std::string_view, std::tuple_size_v<Choices> + 1> all{};
  all[0] = placeholder;
  for (std::size_t i = 0; i < choices.size(); ++i) all[i + 1] = choices[i];
  return all;
}

const auto kRaces = WithPlaceholder(kRaceChoices, kNoRace);
const auto kClasses = WithPlaceholder(kClassChoices, kNoClass);
const auto kAlignments = WithPlaceholder(kAlignmentChoices, kNoAlignment);
const auto kSexes = WithPlaceholder(kSexChoices, kNoSex);

// Every text the sheet may show as a message or an age category, gathered
// once from the rules' own functions over every choice they know.
struct AllowedTexts {
  std::set<std::string, std::less<>> messages;
  std::set<std::string, std::less<>> categories;
};

AllowedTexts GatherAllowedTexts() {
  AllowedTexts allowed;
  // The two messages of a missing choice.
  RandomSource scratch;
  for (const std::string& message :
       CharacterGenerator().Generate(CharacterRequest{}, scratch).messages) {
    allowed.messages.insert(message);
  }
  AbilityScores highest;
  highest.fill(18);
  for (std::string_view character_class : kClasses) {
    for (std::string_view race : kRaces) {
      for (std::string_view alignment : kAlignments) {
        for (std::string_view message :
             ApplyClassRule(highest, character_class, race, alignment)
                 .messages) {
          allowed.messages.emplace(message);
        }
      }
    }
  }
  allowed.categories.emplace("");
  for (std::string_view race : kRaces) {
    // Ages in halves up to past the oldest race's maximum, then far beyond.
    for (int halves = -2; halves <= 2 * 2000; ++halves) {
      const AgeOutcome outcome = FindAgeCategory(race, halves / 2.0);
      allowed.categories.emplace(outcome.category);
      if (outcome.message) allowed.messages.emplace(*outcome.message);
    }
    const AgeOutcome oldest = FindAgeCategory(race, 1e12);
    allowed.categories.emplace(oldest.category);
    if (oldest.message) allowed.messages.emplace(*oldest.message);
  }
  return allowed;
}

void CheckSheet(const CharacterRequest& request, const CharacterSheet& sheet,
                char separator, const AllowedTexts& allowed) {
  const CharacterWindowTexts shown = WindowTexts(sheet, separator);
  std::optional<int> percentile;
  if (!shown.percentile.empty()) {
    Require(IsWholeText(shown.percentile), "a percentile that is no number",
            shown.percentile);
    percentile = WholeValue(shown.percentile);
    Require(*percentile >= 23 && *percentile <= 99,
            "an exceptional strength outside 23-99", shown.percentile);
  }

  int total = 0;
  for (int i = 0; i < kAbilityCount; ++i) {
    const std::string& score = shown.scores[static_cast<std::size_t>(i)];
    Require(IsWholeText(score), "a score that is no whole number", score);
    const int value = WholeValue(score);
    Require(value >= 0 && value <= 21, "a score outside 0-21", score);
    total += value;
    const std::string_view row =
        RowFor(static_cast<Ability>(i), value, percentile).value_or("");
    Require(shown.rows[static_cast<std::size_t>(i)] == row,
            "an ability row other than the table's row for the score",
            shown.rows[static_cast<std::size_t>(i)]);
  }
  Require(shown.total == WholeText(total),
          "a total other than the sum of the six scores", shown.total);
  Require(
      shown.average == SingleText(static_cast<float>(total) / 6.0f, separator),
      "an average other than the total over six", shown.average);

  for (const std::string& message : sheet.messages) {
    Require(allowed.messages.contains(message), "a message of no rule",
            message);
  }
  Require(allowed.categories.contains(sheet.age_category),
          "an age category of no table", sheet.age_category);
  const bool chosen =
      request.character_class != kNoClass && request.race != kNoRace;
  Require(shown.clear_enabled == chosen,
          "the clear button's state does not follow the missing choices");
  const std::string typed_age = request.age.empty() ? "1" : request.age;
  Require(sheet.age == typed_age || sheet.age == "1" ||
              (sheet.preset && sheet.age == kPresetCharacter.age),
          "an age that is neither the typed one, the reset one nor the "
          "pre-set character's",
          sheet.age);
  Require(sheet.preset == IsPresetName(request.name),
          "the preset character without its name, or the name without it");
  Require(shown.preset.has_value() == sheet.preset,
          "the preset texts without the preset character");
  // Whatever bytes were typed, every format can be written.
  Require(!JsonLine(Record(sheet, std::nullopt, 0)).empty(), "no record");
  Require(!Markdown(sheet, separator).empty(), "no Markdown");
  Require(!CharacterSheetHtml(sheet, separator, SheetFooter{}).empty(),
          "no HTML");
}

}  // namespace
}  // namespace quendaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace quendaro;
  using namespace quendaro::fuzzing;
  static const AllowedTexts allowed = GatherAllowedTexts();

  FuzzInput input(data, size);
  const char separator = input.TakeBool() ? ',' : '.';
  CharacterRequest request;
  request.race = input.TakeChoiceOrBytes(kRaces);
  request.character_class = input.TakeChoiceOrBytes(kClasses);
  request.alignment = input.TakeChoiceOrBytes(kAlignments);
  request.sex = input.TakeChoiceOrBytes(kSexes);
  request.name = input.TakeChoiceOrBytes(kNames);
  request.age = input.TakeChoiceOrBytes(kAges);
  request.height = input.TakeBytes();
  request.weight = input.TakeBytes();
  const std::unique_ptr<RandomSource> source = SourceFrom(input);
  RandomSource& random = *source;

  const std::size_t draws_before = random.DrawCount();
  const std::size_t reseeds_before = random.ReseedCount();
  const CharacterSheet sheet =
      CharacterGenerator(separator).Generate(request, random);
  const std::size_t draws = random.DrawCount() - draws_before;
  Require(random.ReseedCount() - reseeds_before == 6,
          "a generation that does not reseed six times");
  Require(draws == 6 || draws == 7,
          "a generation that does not draw six scores and maybe a percentile");
  CheckSheet(request, sheet, separator, allowed);
  return 0;
}
