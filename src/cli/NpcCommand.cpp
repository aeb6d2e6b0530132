#include "cli/NpcCommand.h"

#include "character/CharacterChoices.h"
#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "common/NumberText.h"
#include "presentation/NpcPresentation.h"
#include "presentation/PartyPresentation.h"

namespace quendaro::cli {

std::string_view NpcCommand::Summary() const {
  return "whole non-player characters, a party in one command";
}

std::string_view NpcCommand::Description() const {
  return "Picks a race, a class that the race may take, an alignment that "
         "the class allows and a sex, each evenly among what the class rules "
         "leave open, so that no rule ever refuses the character. Then a "
         "name for that sex from the race's name set; the starting age, "
         "height and weight of a new adult of the race; the character, as "
         "\"character\" rolls it with them; and the hit points at the level, "
         "as the hit-point roller rolls them for "
         "the class's group (\"Militare\", \"Vagabondo\", \"Sacerdote\" "
         "or \"Esperto di magia\"), without the reroll option and without "
         "the constitution bonus. A multi-class character rolls for each of "
         "its classes and gets their average, rounded down.\n"
         "\n"
         "A race, class, alignment or sex given as an option is kept, read "
         "as \"character\" reads it, and the rest is picked around it; "
         "\"nessuna\" or \"nessuno\" leaves the choice to the dice. Choices "
         "that no legal character keeps are refused, with the class rule's "
         "message and a hint. An NPC has no window to copy, so --as-typed "
         "changes nothing.\n"
         "\n"
         "With --party N each result is a party of N NPCs made one after the "
         "other, all of the level and the choices given, as the \"Gruppo di "
         "PNG\" window makes it; --count then counts the parties.";
}

std::string_view NpcCommand::OutputDescription() const {
  return "Text: the character as \"character\" writes it, then "
         "\"LIVELLO\", \"PF\" with each class's roll, \"THAC0\" and the "
         "five saving throws. Markdown: one table for the whole run, one row "
         "per character. JSON: one record per line, described in "
         "quendaro-record(5), with \"generator\": \"npc\" and the "
         "character, level and hit points in \"result\". With --party, one "
         "block of text, one Markdown table under the party's title and one "
         "record with \"generator\": \"party\" per party.";
}

std::vector<Option> NpcCommand::Options() const {
  std::vector<Option> options = {
      {.name = "level",
       .value_name = "N",
       .summary = "the level, 1 to 20",
       .help = "The level, a whole number from 1 to 20 (default 1).",
       .values = NumberTexts(kLowestNpcLevel, kHighestNpcLevel)},
      {.name = "party",
       .value_name = "N",
       .summary = "a party of N NPCs, 1 to 12",
       .help = "Makes each result a party of N NPCs, a whole number from 1 "
               "to 12, as the \"Gruppo di PNG\" window makes it.",
       .values = NumberTexts(kSmallestParty, kLargestParty)}};
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
  party_size_.reset();
  if (const auto found = values.find("party"); found != values.end()) {
    const std::optional<std::int64_t> size =
        ReadWholeNumber(found->second, kSmallestParty, kLargestParty);
    if (!size) {
      return "--party needs a whole number from " +
             std::to_string(kSmallestParty) + " to " +
             std::to_string(kLargestParty) + ", not " + Quoted(found->second);
    }
    party_size_ = static_cast<int>(*size);
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
  return std::nullopt;
}

std::optional<Refusal> NpcCommand::Refused() const {
  const std::vector<std::string_view> messages = LockRefusals(request_.locks);
  if (messages.empty()) return std::nullopt;
  Refusal refusal;
  refusal.messages.assign(messages.begin(), messages.end());
  const ChoiceLocks& locks = request_.locks;
  refusal.suggest_npc = true;
  refusal.npc_keeps = NpcKeeps(
      locks.race.value_or(kNoRace), locks.character_class.value_or(kNoClass),
      locks.alignment.value_or(kNoAlignment), locks.sex.value_or(kNoSex));
  return refusal;
}

void NpcCommand::Run(RandomSource& random) {
  if (party_size_) {
    last_party_ = GenerateParty(request_, *party_size_, random);
  } else {
    generator_.Generate(request_, random, last_);
  }
}

Json NpcCommand::LastRecord(std::optional<std::int64_t> seed,
                            std::uint64_t index) const {
  return party_size_ ? Record(last_party_, seed, index)
                     : Record(last_, seed, index);
}

void NpcCommand::VisitLast(ResultFields& fields) const {
  if (party_size_) {
    VisitResult(last_party_, fields);
  } else {
    VisitResult(last_, fields);
  }
}

std::string NpcCommand::LastText() const {
  if (!party_size_) return PlainText(last_, decimal_separator_);
  // The block's last line break comes from the output.
  std::string text = PlainText(last_party_, decimal_separator_);
  if (text.ends_with('\n')) text.pop_back();
  return text;
}

// Parties stand apart, each a table under its own title.
std::string NpcCommand::MarkdownHeader() const {
  return party_size_ ? std::string() : NpcMarkdownHeader();
}

std::string NpcCommand::LastMarkdown() const {
  return party_size_ ? Markdown(last_party_) : Markdown(last_);
}

}  // namespace quendaro::cli
