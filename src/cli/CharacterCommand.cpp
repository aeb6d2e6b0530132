#include "cli/CharacterCommand.h"

#include <array>

#include "character/CharacterChoices.h"
#include "cli/CheckedText.h"
#include "cli/SafeText.h"

namespace quendaro::cli {

namespace {

// The window's number boxes hold four digits.
constexpr std::int64_t kLargestBoxNumber = 9999;

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
    take("class", request_.characterClass);
    take("alignment", request_.alignment);
    take("sex", request_.sex);
    take("name", request_.name);
    take("age", request_.age);
    take("height", request_.height);
    take("weight", request_.weight);
    return std::nullopt;
  }

  const struct {
    std::string_view option;
    ChoiceList list;
    std::string& field;
  } choices[] = {
      {"race", {"race", kRaceChoices, kNoRace}, request_.race},
      {"class", {"class", kClassChoices, kNoClass}, request_.characterClass},
      {"alignment",
       {"alignment", kAlignmentChoices, kNoAlignment},
       request_.alignment},
      {"sex", {"sex", kSexChoices, kNoSex}, request_.sex},
  };
  std::string error;
  for (const auto& choice : choices) {
    const std::string* value = given(choice.option);
    if (value == nullptr) continue;
    std::optional<std::string> entry = CheckChoice(choice.list, *value, error);
    if (!entry) return error;
    choice.field = std::move(*entry);
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
