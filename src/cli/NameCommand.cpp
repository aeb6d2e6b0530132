#include "cli/NameCommand.h"

#include <array>

#include "character/CharacterChoices.h"
#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "npc/RaceTraits.h"
#include "presentation/NamePresentation.h"

namespace quendaro::cli {

std::string_view NameCommand::Synopsis() const {
  return "quendaro-cli name [--sex m|f] [--race T]";
}

std::string NameCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli name - a fantasy name\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli name [--sex m|f] [--race T] [--count N] [--seed S] "
         "[--json]\n"
         "                      [--stats] [--explain] [--as-typed]\n"
         "\n"
         "DESCRIPTION\n"
         "    Builds a name from two or three syllable groups, as the name "
         "window does;\n"
         "    with --race, a name of the set that fits the race (humans, "
         "elves,\n"
         "    dwarves, gnomes, halflings, half-elves or minotaurs), as an NPC "
         "of that\n"
         "    race gets it.\n"
         "\n"
         "OPTIONS\n"
         "    --sex m|f\n"
         "        Male (m, \"Maschili\") or female (f, \"Femminili\") "
         "names; \"nessuno\"\n"
         "        chooses neither. Without it, as in the window "
         "with\n"
         "        neither option chosen, the name is empty and the warning\n"
         "        \"Selezionare se si vogliono generare nomi maschili o "
         "femminili\"\n"
         "        is given instead.\n"
         "    --race T\n"
         "        One of the character window's races, written as "
         "\"character\" reads\n"
         "        it; \"nessuna\" keeps the name window's syllables.\n"
         "    --as-typed\n"
         "        Takes --sex only as m or f, as the window's two options.\n"
         "\n"
         "OUTPUT\n"
         "    Text: the warning if any, then \"Nome: \" and the name.\n"
         "    Markdown: the name as a list item. JSON: the record described "
         "in the README.\n";
}

std::vector<Option> NameCommand::Options() const {
  return {{"sex", true}, {"race", true}};
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
  } else if (chosen == "f") {
    choice_ = NameChoice::kFemale;
  } else if (chosen != "nessuno") {
    return "--sex needs m or f, not " + Quoted(sex->second);
  }
  return std::nullopt;
}

void NameCommand::Run(RandomSource& random) {
  last_ = set_ ? NameSetGenerator().GenerateName(*set_, choice_, random)
               : generator_.GenerateName(choice_, random);
}

Json NameCommand::LastRecord(std::optional<std::int64_t> seed,
                             std::uint64_t index) const {
  return Record(last_, seed, index);
}

void NameCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, fields);
}

std::string NameCommand::LastText() const { return PlainText(last_); }

std::string NameCommand::LastMarkdown() const { return Markdown(last_); }

}  // namespace quendaro::cli
