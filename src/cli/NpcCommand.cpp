#include "cli/NpcCommand.h"

#include "character/CharacterChoices.h"
#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "common/NumberText.h"
#include "presentation/NpcPresentation.h"

namespace quendaro::cli {

std::string_view NpcCommand::Synopsis() const {
  return "quendaro-cli npc [--level N] [--race T] [--class T] "
         "[--alignment T] [--sex T]";
}

std::string NpcCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli npc - whole non-player characters, a party in one "
         "command\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli npc [--level N] [--race T] [--class T] "
         "[--alignment T]\n"
         "                     [--sex T] [--count N] [--seed S] [--format F] "
         "[--stats]\n"
         "                     [--explain]\n"
         "\n"
         "DESCRIPTION\n"
         "    Picks a race, a class that the race may take, an alignment "
         "that the\n"
         "    class allows and a sex, each evenly among what the class "
         "rules leave\n"
         "    open, so that no rule ever refuses the character; a race, "
         "class,\n"
         "    alignment or sex given as an option is kept and the rest is "
         "picked\n"
         "    around it. Options that no legal character keeps are refused "
         "with the\n"
         "    class rule's message. Then a name "
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
         "    --race T, --class T, --alignment T, --sex T\n"
         "                   fixed, as \"character\" reads them; "
         "\"nessuna\" or\n"
         "                   \"nessuno\" leaves the choice to the dice\n"
         "\n"
         "OUTPUT\n"
         "    Text: the character as \"character\" writes it, then "
         "\"LIVELLO\", \"PF\"\n"
         "    with each class's roll, \"THAC0\" and the five saving throws. "
         "Markdown: one table for the whole run, "
         "one row\n"
         "    per character. JSON: the record described in the README, "
         "\"generator\":\n"
         "    \"npc\", with the character, level and hit points in "
         "\"result\".\n";
}

std::vector<Option> NpcCommand::Options() const {
  std::vector<Option> options = {{"level", true}};
  options.insert(options.end(), kChoiceOptions.begin(), kChoiceOptions.end());
  return options;
}

// An NPC has no window to copy, so its level and its locked choices are
// always checked, as a level of the hit-point window is outside --as-typed.
std::optional<std::string> NpcCommand::Configure(const OptionValues& values,
                                                 InputMode /*mode*/) {
  request_ = NpcRequest{};
  if (const auto found = values.find("level"); found != values.end()) {
    const std::optional<std::int64_t> level =
        ReadWholeNumber(found->second, kLowestNpcLevel, kHighestNpcLevel);
    if (!level) {
      return "--level needs a whole number from " +
             std::to_string(kLowestNpcLevel) + " to " +
             std::to_string(kHighestNpcLevel) + ", not " +
             Quoted(found->second);
    }
    request_.level = static_cast<int>(*level);
  }

  std::string error;
  std::optional<CheckedChoices> checked = CheckChoiceOptions(values, error);
  if (!checked) return error;
  locked_ = std::move(*checked);
  // A placeholder leaves the choice open.
  const auto lock =
      [](const std::optional<std::string>& entry,
         std::string_view placeholder) -> std::optional<std::string_view> {
    if (!entry || *entry == placeholder) return std::nullopt;
    return *entry;
  };
  ChoiceLocks& locks = request_.locks;
  locks.race = lock(locked_.race, kNoRace);
  locks.character_class = lock(locked_.character_class, kNoClass);
  locks.alignment = lock(locked_.alignment, kNoAlignment);
  locks.sex = lock(locked_.sex, kNoSex);
  const std::vector<std::string_view> refusals = LockRefusals(locks);
  if (!refusals.empty()) {
    std::string message;
    for (std::string_view refusal : refusals) {
      if (!message.empty()) message += "; ";
      message += refusal;
    }
    return message;
  }
  return std::nullopt;
}

void NpcCommand::Run(RandomSource& random) {
  generator_.Generate(request_, random, last_);
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
