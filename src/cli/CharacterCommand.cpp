#include "cli/CharacterCommand.h"

#include <array>

#include "character/AbilityTables.h"
#include "character/AgeCategories.h"
#include "character/CharacterChoices.h"
#include "character/ClassRules.h"
#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "presentation/CharacterPresentation.h"

namespace quendaro::cli {

namespace {

// The window's number boxes hold four digits.
constexpr std::int64_t kLargestBoxNumber = 9999;

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

std::vector<std::pair<std::string, std::string>> NpcKeeps(
    std::string_view race, std::string_view character_class,
    std::string_view alignment, std::string_view sex) {
  // Where a class and a race or alignment clash, the class stays.
  std::vector<std::pair<std::string, std::string>> keeps;
  const bool class_given = character_class != kNoClass;
  if (race != kNoRace &&
      (!class_given || ClassAcceptsRace(character_class, race))) {
    keeps.emplace_back("race", race);
  }
  if (class_given) keeps.emplace_back("class", character_class);
  if (alignment != kNoAlignment &&
      (!class_given || ClassAcceptsAlignment(character_class, alignment))) {
    keeps.emplace_back("alignment", alignment);
  }
  if (sex != kNoSex) keeps.emplace_back("sex", sex);
  return keeps;
}

std::string_view CharacterCommand::Summary() const {
  return "a player or non-player character";
}

std::string_view CharacterCommand::Description() const {
  return "Checks race, class, alignment and age against the class rules, "
         "rolls the six ability scores within the race's limits (with "
         "exceptional strength for warriors), names the age category and "
         "gives each score its row of the ability tables, as \"Tira i "
         "dadi\" in the character window does.\n"
         "\n"
         "A request the rules refuse is refused before anything is rolled: "
         "no race or no class, a class the race may not take, an alignment "
         "the class forbids, an age above the race's maximum. The window's "
         "messages go to standard error, in Italian, with a hint, and "
         "nothing to standard output. With --as-typed every text is taken "
         "exactly as typed into the window, with the window's outcome: the "
         "messages come first in the output and the sheet follows, of zeros "
         "where the window shows zeros.";
}

std::string_view CharacterCommand::OutputDescription() const {
  return "Text: the messages, if any, then the character window's captions "
         "and values, the average with the locale's decimal separator. "
         "Markdown: a heading, the character's particulars, the scores and "
         "each score's row under its column headings. JSON: one record per "
         "line, described in quendaro-record(5).";
}

std::vector<Option> CharacterCommand::Options() const {
  std::vector<Option> options(kChoiceOptions.begin(), kChoiceOptions.end());
  options.insert(
      options.end(),
      {
          {.name = "name",
           .value_name = "T",
           .summary = "the name",
           .help = "The name (default empty); a few names call up a pre-set "
                   "character, which no rule refuses. A name that looks like "
                   "an option is given as --name=TEXT."},
          {.name = "age",
           .value_name = "N",
           .summary = "the age in years",
           .help = "The age in years, 0 to 9999 (default 1)."},
          {.name = "height",
           .value_name = "N",
           .summary = "the height in cm",
           .help = "The height in cm, 0 to 9999 (default empty); no rule "
                   "reads it."},
          {.name = "weight",
           .value_name = "N",
           .summary = "the weight in kg",
           .help = "The weight in kg, 0 to 9999 (default empty); no rule "
                   "reads it."},
      });
  return options;
}

std::optional<std::string> CharacterCommand::Configure(
    const OptionValues& values, InputMode mode) {
  request_ = CharacterRequest{};
  checked_ = mode == InputMode::kChecked;
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
    if (HoldsControls(*name)) {
      return "--name holds a control character: " + Quoted(*name);
    }
    request_.name = *name;
  }
  return std::nullopt;
}

std::optional<Refusal> CharacterCommand::Refused() const {
  // A name that calls up the pre-set character replaces every choice with
  // the pre-set one's, which no rule refuses.
  if (!checked_ || IsPresetName(request_.name)) return std::nullopt;
  const std::vector<std::string_view> messages = generator_.Messages(request_);
  if (messages.empty()) return std::nullopt;
  Refusal refusal;
  refusal.messages.assign(messages.begin(), messages.end());
  const std::string& race = request_.race;
  const std::string& character_class = request_.character_class;
  const std::string& alignment = request_.alignment;
  const bool race_given = race != kNoRace;
  const bool class_given = character_class != kNoClass;
  const bool race_fits = ClassAcceptsRace(character_class, race);
  const bool alignment_fits = ClassAcceptsAlignment(character_class, alignment);
  if (race_given && class_given && race_fits && alignment_fits) {
    // Only the age is wrong.
    if (const std::optional<int> oldest = MaximumAge(race)) {
      refusal.hint = "--age goes up to " + std::to_string(*oldest) + " for " +
                     Quoted(race);
    }
    return refusal;
  }
  refusal.suggest_npc = true;
  refusal.npc_keeps = NpcKeeps(race, character_class, alignment, request_.sex);
  return refusal;
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
