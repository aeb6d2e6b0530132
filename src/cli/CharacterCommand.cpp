#include "cli/CharacterCommand.h"

#include <array>

#include "character/CharacterChoices.h"
#include "presentation/CharacterPresentation.h"

namespace quendaro::cli {

namespace {

template <std::size_t N>
std::string ListOf(const std::array<std::string_view, N>& choices) {
  std::string list;
  for (std::string_view choice : choices) {
    list += "        \"" + std::string(choice) + "\"\n";
  }
  return list;
}

}  // namespace

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
         "    Every text is taken exactly as given: a text outside the lists "
         "below\n"
         "    matches no rule, as a typed text in the window does. Messages "
         "never\n"
         "    stop a generation; they come first in the output.\n"
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
         "    --age T        default \"1\"; the age in years\n"
         "    --height T     default empty; in cm (no rule reads it)\n"
         "    --weight T     default empty; in kg (no rule reads it)\n"
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
  return {{"race", true},   {"class", true}, {"alignment", true},
          {"sex", true},    {"name", true},  {"age", true},
          {"height", true}, {"weight", true}};
}

std::optional<std::string> CharacterCommand::Configure(
    const OptionValues& values) {
  request_ = CharacterRequest{};
  const auto take = [&](std::string_view option, std::string& field) {
    if (const auto found = values.find(option); found != values.end()) {
      field = found->second;
    }
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

void CharacterCommand::Run(RandomSource& random) {
  last_ = generator_.Generate(request_, random);
}

Json CharacterCommand::LastRecord(std::optional<std::int64_t> seed,
                                  std::uint64_t index) const {
  return Record(last_, seed, index);
}

std::string CharacterCommand::LastText() const {
  return PlainText(last_, decimal_separator_);
}

std::string CharacterCommand::LastMarkdown() const {
  return Markdown(last_, decimal_separator_);
}

}  // namespace quendaro::cli
