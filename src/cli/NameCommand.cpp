#include "cli/NameCommand.h"

#include <array>

#include "character/CharacterChoices.h"
#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "npc/RaceTraits.h"
#include "presentation/NamePresentation.h"

namespace quendaro::cli {

namespace {

constexpr std::array<std::string_view, 2> kSexLetters = {"m", "f"};

}  // namespace

std::string_view NameCommand::Summary() const { return "a fantasy name"; }

std::string_view NameCommand::Description() const {
  return "Builds a name from two or three syllable groups, as the name "
         "window does; with --race, a name of the set that fits the race "
         "(humans, elves, dwarves, gnomes, halflings, half-elves or "
         "minotaurs), as an NPC of that race gets it.\n"
         "\n"
         "Without --sex, or with \"nessuno\", each name is male or female "
         "at random, and the result says which. With --as-typed only the "
         "window's two options are taken, and without one the name is "
         "empty and the window's warning \"Selezionare se si vogliono "
         "generare nomi maschili o femminili\" is given instead.";
}

std::string_view NameCommand::OutputDescription() const {
  return "Text: the warning if any, then \"Nome: \" and the name, and "
         "\"Sesso: \" with \"maschile\" or \"femminile\" when the sex "
         "was picked at random. Markdown: the name as a list item, the sex "
         "picked at random beside it. JSON: one record per line, described "
         "in quendaro-record(5); \"sex\" says which names were built.";
}

std::vector<Option> NameCommand::Options() const {
  return {{.name = "sex",
           .value_name = "m|f",
           .summary = "male or female names",
           .help = "Male (m, \"Maschili\") or female (f, \"Femminili\") "
                   "names; by default one or the other at random.",
           .values = kSexLetters},
          {.name = "race",
           .value_name = "T",
           .summary = "a name of the race's set",
           .help = "One of the character window's races, written as "
                   "\"character\" reads it, always checked; \"nessuna\" "
                   "keeps the name window's syllables.",
           .values = kRaceChoices}};
}

std::optional<std::string> NameCommand::Configure(const OptionValues& values,
                                                  InputMode mode) {
  choice_ = NameChoice::kNone;
  set_.reset();
  // The race is always checked: the name window has no list of races.
  if (const auto race = values.find("race"); race != values.end()) {
    std::string error;
    const std::optional<std::string> entry =
        CheckChoice({"race", kRaceChoices, kNoRace}, race->second, error);
    if (!entry) return error;
    if (const RaceTraits* traits = TraitsOfRace(*entry)) {
      set_ = traits->name_set;
    }
  }
  const auto sex = values.find("sex");
  // Checked, no choice is a choice left to the dice; as typed, it is the
  // window with neither option chosen.
  random_sex_ = mode == InputMode::kChecked;
  if (sex == values.end()) return std::nullopt;
  std::string chosen = sex->second;
  if (mode == InputMode::kChecked) {
    // The window's two options, by their letters or their captions.
    static constexpr std::array<std::string_view, 4> kSexes = {
        "m", "f", "Maschili", "Femminili"};
    std::string error;
    std::optional<std::string> entry =
        CheckChoice({"sex", kSexes, "nessuno"}, sex->second, error);
    if (!entry) return error;
    chosen = *entry == "Maschili" ? "m" : *entry == "Femminili" ? "f" : *entry;
  }
  if (chosen == "m") {
    choice_ = NameChoice::kMale;
    random_sex_ = false;
  } else if (chosen == "f") {
    choice_ = NameChoice::kFemale;
    random_sex_ = false;
  } else if (chosen != "nessuno") {
    return "--sex needs m or f, not " + Quoted(sex->second);
  }
  return std::nullopt;
}

void NameCommand::Run(RandomSource& random) {
  NameChoice choice = choice_;
  if (random_sex_) {
    choice =
        random.Roll(2, 1,
                    [] {
                      return std::string("Nomi maschili (1) o femminili (2)");
                    }) == 1
            ? NameChoice::kMale
            : NameChoice::kFemale;
  }
  last_ = set_ ? NameSetGenerator().GenerateName(*set_, choice, random)
               : generator_.GenerateName(choice, random);
}

Json NameCommand::LastRecord(std::optional<std::int64_t> seed,
                             std::uint64_t index) const {
  return Record(last_, seed, index);
}

void NameCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, fields);
}

std::string NameCommand::LastText() const {
  std::string text = PlainText(last_);
  if (random_sex_) text += "\nSesso: " + std::string(SexWord(last_.choice));
  return text;
}

std::string NameCommand::LastMarkdown() const {
  std::string markdown = Markdown(last_);
  if (random_sex_) {
    markdown.insert(markdown.size() - 1,
                    " (" + std::string(SexWord(last_.choice)) + ")");
  }
  return markdown;
}

std::string_view NameCommand::SexWord(NameChoice choice) {
  switch (choice) {
    case NameChoice::kMale:
      return "maschile";
    case NameChoice::kFemale:
      return "femminile";
    case NameChoice::kNone:
      return "";
  }
  return "";
}

}  // namespace quendaro::cli
