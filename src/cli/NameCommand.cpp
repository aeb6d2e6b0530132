#include "cli/NameCommand.h"

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
         "                      [--explain]\n"
         "\n"
         "DESCRIPTION\n"
         "    Builds a name from two or three syllable groups, as the name "
         "window does.\n"
         "\n"
         "OPTIONS\n"
         "    --sex m|f\n"
         "        Male (m) or female (f) names. Without it, as in the window "
         "with\n"
         "        neither option chosen, the name is empty and the warning\n"
         "        \"Selezionare se si vogliono generare nomi maschili o "
         "femminili\"\n"
         "        is given instead.\n"
         "\n"
         "OUTPUT\n"
         "    Text: the warning if any, then \"Nome: \" and the name.\n"
         "    Markdown: the name as a list item. JSON: the record described "
         "in the README.\n";
}

std::vector<Option> NameCommand::Options() const { return {{"sex", true}}; }

std::optional<std::string> NameCommand::Configure(const OptionValues& values) {
  choice_ = NameChoice::kNone;
  const auto sex = values.find("sex");
  if (sex == values.end()) return std::nullopt;
  if (sex->second == "m") {
    choice_ = NameChoice::kMale;
  } else if (sex->second == "f") {
    choice_ = NameChoice::kFemale;
  } else {
    return "--sex needs m or f, not '" + sex->second + "'";
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

std::string NameCommand::LastText() const { return PlainText(last_); }

std::string NameCommand::LastMarkdown() const { return Markdown(last_); }

}  // namespace quendaro::cli
