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

}  // namespace

std::string_view HitPointsCommand::Synopsis() const {
  return "quendaro-cli hitpoints --group Militare|Vagabondo|Sacerdote|"
         "\"Esperto di magia\" --level T [--reroll]";
}

std::string HitPointsCommand::Help() const {
  std::string groups;
  for (ClassGroup group : kGroups) {
    groups += "        \"" + std::string(ClassGroupCaption(group)) + "\"\n";
  }
  return "NAME\n"
         "    quendaro-cli hitpoints - the hit points of a non-player "
         "character\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli hitpoints --group GROUP --level T [--reroll] "
         "[--count N]\n"
         "                           [--seed S] [--json] [--stats] "
         "[--explain] [--as-typed]\n"
         "\n"
         "DESCRIPTION\n"
         "    Rolls the hit points of a class group at a level 1 to 20 in "
         "one roll over\n"
         "    the whole range, as the hit-point window does.\n"
         "\n"
         "OPTIONS\n"
         "    --group GROUP\n"
         "        The class group (any case, accents or blanks), one of:\n" +
         groups +
         "    --level N\n"
         "        The level, a whole number from 1 to 20 (\"7\", \" 7 \" "
         "and \"7.0\" or\n"
         "        \"7,0\" are level 7 in any locale).\n"
         "    --as-typed\n"
         "        The level exactly as typed in the window's level box, the "
         "way to\n"
         "        reproduce the window exactly: a text that is not a whole "
         "number from\n"
         "        1 to 20 (read with the locale's decimal separator) rolls "
         "nothing and\n"
         "        gives empty hit points; the group must be its caption.\n"
         "    --reroll\n"
         "        \"Ritira se il punteggio è minore della metà\": the "
         "narrower range that\n"
         "        stands for rerolling results below half the die.\n"
         "\n"
         "OUTPUT\n"
         "    Text: \"PF: \" and the hit points. Markdown: a table row of "
         "group, level,\n"
         "    reroll and hit points. JSON: the record described in the "
         "README.\n";
}

std::vector<Option> HitPointsCommand::Options() const {
  return {{"group", true}, {"level", true}, {"reroll", false}};
}

std::optional<std::string> HitPointsCommand::Configure(
    const OptionValues& values, InputMode mode) {
  const auto group = values.find("group");
  if (group == values.end()) return "hitpoints needs --group";
  const auto level = values.find("level");
  if (level == values.end()) return "hitpoints needs --level";

  // The window's group is a button, so a group is always one of the four;
  // as typed it must be the caption itself.
  std::array<std::string_view, kClassGroupCount> captions;
  for (std::size_t i = 0; i < captions.size(); ++i) {
    captions[i] = ClassGroupCaption(kGroups[i]);
  }
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
