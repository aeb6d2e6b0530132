#include "cli/CharacterCommand.h"

#include <array>

#include "character/CharacterChoices.h"
#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "presentation/CharacterPresentation.h"

namespace quendaro::cli {

namespace {

// The window's number boxes hold four digits.
constexpr std::int64_t kLargestBoxNumber = 9999;

template <std::size_t N>
std::string ListOf(const std::array<std::string_view, N>& choices) {
  std::string list;
  for (std::string_view choice : choices) {
    list += "        \"" + std::string(choice) + "\"\n";
  }
  return list;
}

}  // namespace

std::optional<CheckedChoices> CheckChoiceOptions(const OptionValues& values,
                                                 std::string& error) {
  CheckedChoices checked;
  const struct {
    std::string_view option;
    ChoiceList list;
    std::optional<std::string>& entry;
  } choices[] = {
      {"race", {"race", kRaceChoices, kNoRace}, checked.race},
      {"class", {"class", kClassChoices, kNoClass}, checked.character_class},
      {"alignment",
       {"alignment", kAlignmentChoices, kNoAlignment},
       checked.alignment},
      {"sex", {"sex", kSexChoices, kNoSex}, checked.sex},
  };
  for (const auto& choice : choices) {
    const auto given = values.find(choice.option);
    if (given == values.end()) continue;
    choice.entry = CheckChoice(choice.list, given->second, error);
    if (!choice.entry) return std::nullopt;
  }
  return checked;
}

std::string_view CharacterCommand::Synopsis() const {
  return "quendaro-cli character [--race T] [--class T] [--alignment T] "
         "[--sex T] [--name T]\n"
         "                         [--age T] [--height T] [--weight T]";
}

std::string CharacterCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli character - a player or non-player character\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli character [--race T] [--class T] [--alignment T] "
         "[--sex T]\n"
         "                           [--name T] [--age T] [--height T] "
         "[--weight T]\n"
         "                           [--count N] [--seed S] [--json] "
         "[--stats] [--explain]\n"
         "                           [--as-typed]\n"
         "\n"
         "DESCRIPTION\n"
         "    Checks race, class, alignment and age against the class rules, "
         "rolls the\n"
         "    six ability scores within the race's limits (with exceptional "
         "strength\n"
         "    for warriors), names the age category and gives each score its "
         "row of\n"
         "    the ability tables, as \"Tira i dadi\" in the character window "
         "does.\n"
         "    A list text may be written in any case, without accents, "
         "blanks or\n"
         "    punctuation (\"elfo oscuro drow\" is \"Elfo oscuro(Drow)\"); "
         "a text on no\n"
         "    list is a usage error. With --as-typed every text is taken "
         "exactly as\n"
         "    typed into the window: a text outside the lists matches no "
         "rule and\n"
         "    rolls zeros, as in the window. Messages never stop a "
         "generation; they\n"
         "    come first in the output.\n"
         "\n"
         "OPTIONS\n"
         "    --race T       default \"nessuna\"; the races:\n" +
         ListOf(kRaceChoices) +
         "    --class T      default \"nessuna\"; the classes:\n" +
         ListOf(kClassChoices) +
         "    --alignment T  default \"nessuno\"; the alignments:\n" +
         ListOf(kAlignmentChoices) +
         "    --sex T        default \"nessuno\"; \"Maschio\" or \"Femmina\" "
         "(no rule reads it)\n"
         "    --name T       default empty; a few names call up a pre-set "
         "character\n"
         "    --age N        default \"1\"; the age in years, 0 to 9999\n"
         "    --height N     default empty; in cm, 0 to 9999 (no rule reads "
         "it)\n"
         "    --weight N     default empty; in kg, 0 to 9999 (no rule reads "
         "it)\n"
         "    --as-typed     every text and number exactly as the window "
         "takes it:\n"
         "                   the way to reproduce the window exactly\n"
         "\n"
         "OUTPUT\n"
         "    Text: the messages, then the character window's captions and "
         "values,\n"
         "    the average with the locale's decimal separator. Markdown: a "
         "heading,\n"
         "    the character's particulars, the scores and each score's row "
         "under its\n"
         "    column headings. JSON: the record described in the README.\n";
}

std::vector<Option> CharacterCommand::Options() const {
  std::vector<Option> options(kChoiceOptions.begin(), kChoiceOptions.end());
  options.insert(
      options.end(),
      {{"name", true}, {"age", true}, {"height", true}, {"weight", true}});
  return options;
}

std::optional<std::string> CharacterCommand::Configure(
    const OptionValues& values, InputMode mode) {
  request_ = CharacterRequest{};
  const auto given = [&](std::string_view option) -> const std::string* {
    const auto found = values.find(option);
    return found == values.end() ? nullptr : &found->second;
  };
  if (mode == InputMode::kAsTyped) {
    const auto take = [&](std::string_view option, std::string& field) {
      if (const std::string* value = given(option)) field = *value;
    };
    take("race", request_.race);
    take("class", request_.character_class);
    take("alignment", request_.alignment);
    take("sex", request_.sex);
    take("name", request_.name);
    take("age", request_.age);
    take("height", request_.height);
    take("weight", request_.weight);
    return std::nullopt;
  }

  std::string error;
  std::optional<CheckedChoices> checked = CheckChoiceOptions(values, error);
  if (!checked) return error;
  for (auto [entry, field] :
       {std::pair{&checked->race, &request_.race},
        std::pair{&checked->character_class, &request_.character_class},
        std::pair{&checked->alignment, &request_.alignment},
        std::pair{&checked->sex, &request_.sex}}) {
    if (*entry) *field = std::move(**entry);
  }

  // The window's number boxes take up to four digits; an empty box is
  // allowed (an empty age counts as the first year).
  const struct {
    std::string_view option;
    std::string& field;
  } numbers[] = {{"age", request_.age},
                 {"height", request_.height},
                 {"weight", request_.weight}};
  for (const auto& number : numbers) {
    const std::string* value = given(number.option);
    if (value == nullptr) continue;
    if (value->find_first_not_of(" \t") == std::string::npos) {
      number.field.clear();
      continue;
    }
    const std::optional<std::int64_t> whole =
        ReadWholeNumber(*value, 0, kLargestBoxNumber);
    if (!whole) {
      return "--" + std::string(number.option) +
             " needs a whole number from 0 to " +
             std::to_string(kLargestBoxNumber) + ", not " + Quoted(*value);
    }
    number.field = std::to_string(*whole);
  }

  if (const std::string* name = given("name")) {
    if (EscapeControls(*name, false) != *name) {
      return "--name holds a control character: " + Quoted(*name);
    }
    request_.name = *name;
  }
  return std::nullopt;
}

void CharacterCommand::Run(RandomSource& random) {
  generator_.Generate(request_, random, last_);
}

Json CharacterCommand::LastRecord(std::optional<std::int64_t> seed,
                                  std::uint64_t index) const {
  return Record(last_, seed, index);
}

void CharacterCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, fields);
}

std::string CharacterCommand::LastText() const {
  return PlainText(last_, decimal_separator_);
}

std::string CharacterCommand::LastMarkdown() const {
  return Markdown(last_, decimal_separator_);
}

}  // namespace quendaro::cli
