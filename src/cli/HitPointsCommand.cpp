#include "cli/HitPointsCommand.h"

#include <algorithm>
#include <array>

#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "hitpoints/HitPointTable.h"
#include "presentation/HitPointPresentation.h"

namespace quendaro::cli {

namespace {

constexpr ClassGroup kGroups[kClassGroupCount] = {
    ClassGroup::kMilitare, ClassGroup::kVagabondo, ClassGroup::kSacerdote,
    ClassGroup::kEspertoDiMagia};

// The group's buttons, by their captions, in the order of kGroups.
const std::array<std::string_view, kClassGroupCount>& GroupCaptions() {
  static const std::array<std::string_view, kClassGroupCount> captions = [] {
    std::array<std::string_view, kClassGroupCount> all;
    for (std::size_t i = 0; i < all.size(); ++i) {
      all[i] = ClassGroupCaption(kGroups[i]);
    }
    return all;
  }();
  return captions;
}

}  // namespace

std::string_view HitPointsCommand::Summary() const {
  return "the hit points of a non-player character";
}

std::string_view HitPointsCommand::Description() const {
  return "Rolls the hit points of a class group at a level 1 to 20 in one "
         "roll over the whole range, as the hit-point window does.";
}

std::string_view HitPointsCommand::OutputDescription() const {
  return "Text: \"PF: \" and the hit points. Markdown: a table row of "
         "group, level, reroll and hit points. JSON: one record per line, "
         "described in quendaro-record(5).";
}

std::vector<Option> HitPointsCommand::Options() const {
  return {
      {.name = "group",
       .value_name = "GROUP",
       .summary = "the class group",
       .help = "The class group, in any case, with or without accents and "
               "blanks; under --as-typed, its caption exactly.",
       .values = GroupCaptions(),
       .required = true},
      {.name = "level",
       .value_name = "N",
       .summary = "the level, 1 to 20",
       .help = "The level, a whole number from 1 to 20 (\"7\", \" 7 \", "
               "\"7.0\" and \"7,0\" are level 7 in any locale). Under "
               "--as-typed, the text as typed in the window's level box: one "
               "that is not a level there (read with the locale's decimal "
               "separator) rolls nothing and gives empty hit points.",
       .values = NumberTexts(kLowestLevel, kHighestLevel),
       .required = true},
      {.name = "reroll",
       .summary = "reroll results below half the die",
       .help = "\"Ritira se il punteggio è minore della metà\": the "
               "narrower range that stands for rerolling results below half "
               "the die."},
  };
}

std::optional<std::string> HitPointsCommand::Configure(
    const OptionValues& values, InputMode mode) {
  const auto group = values.find("group");
  if (group == values.end()) return "hitpoints needs --group";
  const auto level = values.find("level");
  if (level == values.end()) return "hitpoints needs --level";

  // The window's group is a button, so a group is always one of the four;
  // as typed it must be the caption itself.
  const std::array<std::string_view, kClassGroupCount>& captions =
      GroupCaptions();
  std::optional<std::string> caption;
  std::string error;
  if (mode == InputMode::kChecked) {
    caption = CheckChoice({"group", captions, ""}, group->second, error);
  } else if (std::find(captions.begin(), captions.end(), group->second) !=
             captions.end()) {
    caption = group->second;
  } else {
    error = "unknown group " + Quoted(group->second) +
            DidYouMean(ClosestEntries(group->second, captions));
  }
  if (!caption) return error;
  for (ClassGroup candidate : kGroups) {
    if (ClassGroupCaption(candidate) == *caption) group_ = candidate;
  }

  if (mode == InputMode::kAsTyped) {
    level_ = level->second;
  } else if (const std::optional<std::int64_t> whole =
                 ReadWholeNumber(level->second, kLowestLevel, kHighestLevel)) {
    level_ = std::to_string(*whole);
  } else {
    return "--level needs a whole number from " + std::to_string(kLowestLevel) +
           " to " + std::to_string(kHighestLevel) + ", not " +
           Quoted(level->second);
  }
  reroll_ = values.contains("reroll");
  return std::nullopt;
}

void HitPointsCommand::Run(RandomSource& random) {
  last_ = roller_.RollHitPoints(group_, level_, reroll_, random);
}

Json HitPointsCommand::LastRecord(std::optional<std::int64_t> seed,
                                  std::uint64_t index) const {
  return Record(last_, seed, index);
}

void HitPointsCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, fields);
}

std::string HitPointsCommand::LastText() const { return PlainText(last_); }

std::string HitPointsCommand::LastMarkdown() const { return Markdown(last_); }

}  // namespace quendaro::cli
