#include "cli/NpcCommand.h"

#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "common/NumberText.h"
#include "presentation/NpcPresentation.h"

namespace quendaro::cli {

std::string_view NpcCommand::Synopsis() const {
  return "quendaro-cli npc [--level N]";
}

std::string NpcCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli npc - whole non-player characters, a party in one "
         "command\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli npc [--level N] [--count N] [--seed S] "
         "[--format F] [--stats]\n"
         "                     [--explain]\n"
         "\n"
         "DESCRIPTION\n"
         "    Picks a race, a class that the race may take, an alignment "
         "that the\n"
         "    class allows and a sex, each evenly among what the class "
         "rules leave\n"
         "    open, so that no rule ever refuses the character. Then a name "
         "for that\n"
         "    sex from the race's name set; the starting age, height and "
         "weight of a\n"
         "    new adult of the race; the character, as \"character\" rolls "
         "it with\n"
         "    them; and the hit points at the level,\n"
         "    as the hit-point roller rolls them for the class's group "
         "(\"Militare\",\n"
         "    \"Vagabondo\", \"Sacerdote\" or \"Esperto di magia\"), without "
         "the reroll\n"
         "    option and without the constitution bonus. A multi-class "
         "character rolls\n"
         "    for each of its classes and gets their average, rounded down.\n"
         "\n"
         "OPTIONS\n"
         "    --level N      the level, a whole number from 1 to 20; "
         "default 1\n"
         "\n"
         "OUTPUT\n"
         "    Text: the character as \"character\" writes it, then "
         "\"LIVELLO\" and \"PF\"\n"
         "    with each class's roll. Markdown: one table for the whole run, "
         "one row\n"
         "    per character. JSON: the record described in the README, "
         "\"generator\":\n"
         "    \"npc\", with the character, level and hit points in "
         "\"result\".\n";
}

std::vector<Option> NpcCommand::Options() const { return {{"level", true}}; }

// An NPC has no window to copy, so its level is always checked, as a level
// of the hit-point window is outside --as-typed.
std::optional<std::string> NpcCommand::Configure(const OptionValues& values,
                                                 InputMode /*mode*/) {
  level_ = kLowestNpcLevel;
  if (const auto found = values.find("level"); found != values.end()) {
    const std::optional<std::int64_t> level =
        ReadWholeNumber(found->second, kLowestNpcLevel, kHighestNpcLevel);
    if (!level) {
      return "--level needs a whole number from " +
             std::to_string(kLowestNpcLevel) + " to " +
             std::to_string(kHighestNpcLevel) + ", not " +
             Quoted(found->second);
    }
    level_ = static_cast<int>(*level);
  }
  return std::nullopt;
}

void NpcCommand::Run(RandomSource& random) {
  generator_.Generate({level_, {}}, random, last_);
}

Json NpcCommand::LastRecord(std::optional<std::int64_t> seed,
                            std::uint64_t index) const {
  return Record(last_, seed, index);
}

void NpcCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, fields);
}

std::string NpcCommand::LastText() const {
  return PlainText(last_, decimal_separator_);
}

std::string NpcCommand::MarkdownHeader() const { return NpcMarkdownHeader(); }

std::string NpcCommand::LastMarkdown() const { return Markdown(last_); }

}  // namespace quendaro::cli
