#include "cli/HitPointsCommand.h"

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
         "[--explain]\n"
         "\n"
         "DESCRIPTION\n"
         "    Rolls the hit points of a class group at a level 1 to 20 in "
         "one roll over\n"
         "    the whole range, as the hit-point window does.\n"
         "\n"
         "OPTIONS\n"
         "    --group GROUP\n"
         "        The class group, one of:\n" +
         groups +
         "    --level T\n"
         "        The level as typed in the window's level box. A text that "
         "is not a\n"
         "        whole number from 1 to 20 (read with the locale's decimal "
         "separator,\n"
         "        so \"3,0\" is level 3 under Italian settings) rolls "
         "nothing and gives\n"
         "        empty hit points.\n"
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
    const OptionValues& values) {
  const auto group = values.find("group");
  if (group == values.end()) return "hitpoints needs --group";
  const auto level = values.find("level");
  if (level == values.end()) return "hitpoints needs --level";
  bool known = false;
  for (ClassGroup candidate : kGroups) {
    if (ClassGroupCaption(candidate) == group->second) {
      group_ = candidate;
      known = true;
    }
  }
  if (!known) {
    return "unknown group '" + group->second +
           "': use Militare, Vagabondo, Sacerdote or \"Esperto di magia\"";
  }
  level_ = level->second;
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

std::string HitPointsCommand::LastText() const { return PlainText(last_); }

std::string HitPointsCommand::LastMarkdown() const { return Markdown(last_); }

}  // namespace quendaro::cli
