#include "cli/CharacterCommand.h"

#include <array>

#include "character/CharacterChoices.h"

namespace quendaro::cli {

namespace {

// The ability captions of the character window, strength to charisma.
constexpr std::array<std::string_view, kAbilityCount> kAbilityCaptions = {
    "FORZA",        "DESTREZZA", "COSTITUZIONE",
    "INTELLIGENZA", "SAGGEZZA",  "CARISMA"};

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
         "values.\n"
         "    JSON: {\"messages\": [...], \"clearEnabled\": true|false, "
         "\"age\",\n"
         "    \"ageCategory\", \"scores\": [six, strength to charisma], "
         "\"percentile\",\n"
         "    \"total\", \"average\", \"rows\": [six], \"preset\": null or "
         "{\"class\",\n"
         "    \"race\", \"alignment\", \"height\", \"weight\", \"age\", "
         "\"sex\"}}.\n"
         "    The average uses the locale's decimal separator.\n";
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
  take("class", request_.characterClass);
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

Record CharacterCommand::LastRecord() const {
  const AbilityDisplay& shown = last_.abilities;
  Value preset;
  if (last_.preset) {
    const PresetTexts& p = *last_.preset;
    preset = Value(Value::Object{{"class", p.characterClass},
                                 {"race", p.race},
                                 {"alignment", p.alignment},
                                 {"height", p.height},
                                 {"weight", p.weight},
                                 {"age", p.age},
                                 {"sex", p.sex}});
  }
  return {
      {"messages", Value::Strings(last_.messages)},
      {"clearEnabled", last_.clearEnabled},
      {"age", last_.age},
      {"ageCategory", last_.ageCategory},
      {"scores", Value::Strings({shown.scores.begin(), shown.scores.end()})},
      {"percentile", shown.percentile},
      {"total", shown.total},
      {"average", shown.average},
      {"rows", Value::Strings({shown.rows.begin(), shown.rows.end()})},
      {"preset", std::move(preset)},
  };
}

std::string CharacterCommand::LastText() const {
  // The inputs as the window shows them afterwards: the pre-set character
  // replaces them.
  CharacterRequest shown_inputs = request_;
  shown_inputs.age = last_.age;
  if (last_.preset) {
    const PresetTexts& p = *last_.preset;
    shown_inputs.characterClass = p.characterClass;
    shown_inputs.race = p.race;
    shown_inputs.alignment = p.alignment;
    shown_inputs.height = p.height;
    shown_inputs.weight = p.weight;
    shown_inputs.age = p.age;
    shown_inputs.sex = p.sex;
  }

  std::string text;
  for (const std::string& message : last_.messages) text += message + "\n";
  text += "Nome: " + shown_inputs.name + "\n";
  text += "Classe: " + shown_inputs.characterClass + "\n";
  text += "Razza: " + shown_inputs.race + "\n";
  text += "Allineamento: " + shown_inputs.alignment + "\n";
  text += "ALTEZZA: " + shown_inputs.height + " cm\n";
  text += "PESO: " + shown_inputs.weight + " Kg\n";
  text += "ETA' : " + shown_inputs.age + " anni";
  if (!last_.ageCategory.empty()) text += "  " + last_.ageCategory;
  text += "\nSESSO: " + shown_inputs.sex + "\n";

  const AbilityDisplay& shown = last_.abilities;
  for (std::size_t i = 0; i < kAbilityCaptions.size(); ++i) {
    text += std::string(kAbilityCaptions[i]) + ": " + shown.scores[i];
    if (i == 0 && !shown.percentile.empty()) {
      text += "  " + shown.percentile + " / 100";
    }
    if (!shown.rows[i].empty()) text += "  " + shown.rows[i];
    text += "\n";
  }
  text += "MEDIA : " + shown.average + "\n";
  text += "TOTALE : " + shown.total;
  return text;
}

}  // namespace quendaro::cli
