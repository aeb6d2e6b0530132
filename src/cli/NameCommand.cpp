#include "cli/NameCommand.h"

#include <array>

#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "presentation/NamePresentation.h"

namespace quendaro::cli {

std::string_view NameCommand::Synopsis() const {
  return "quendaro-cli name [--sex m|f]";
}

std::string NameCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli name - a fantasy name\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli name [--sex m|f] [--count N] [--seed S] [--json] "
         "[--stats]\n"
         "                      [--explain] [--as-typed]\n"
         "\n"
         "DESCRIPTION\n"
         "    Builds a name from two or three syllable groups, as the name "
         "window does.\n"
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
         "    --as-typed\n"
         "        Takes --sex only as m or f, as the window's two options.\n"
         "\n"
         "OUTPUT\n"
         "    Text: the warning if any, then \"Nome: \" and the name.\n"
         "    Markdown: the name as a list item. JSON: the record described "
         "in the README.\n";
}

std::vector<Option> NameCommand::Options() const { return {{"sex", true}}; }

std::optional<std::string> NameCommand::Configure(const OptionValues& values,
                                                  InputMode mode) {
  choice_ = NameChoice::kNone;
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
  last_ = generator_.GenerateName(choice_, random);
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
