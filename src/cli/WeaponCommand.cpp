#include "cli/WeaponCommand.h"

#include <utility>

#include "cli/SafeText.h"
#include "presentation/WeaponPresentation.h"
#include "weapon/WeaponTypes.h"

namespace quendaro::cli {

std::string_view WeaponCommand::Description() const {
  return "Rolls a weapon's languages, bonus, alignment, intelligence, "
         "communication, readings, one to three abilities or extraordinary "
         "powers, a possible special purpose with its power, and its ego. "
         "Each weapon reseeds the random source from the clock once, as the "
         "weapon window does (frozen under --seed). --name and --type "
         "are the window's \"Nome\" and \"Tipo\" boxes: the game master's "
         "notes, which every format carries and no rule reads.";
}

std::vector<Option> WeaponCommand::Options() const {
  return {{.name = "name",
           .value_name = "TEXT",
           .summary = "the weapon's name",
           .help = "The weapon's name, as typed into the window's \"Nome\" "
                   "box; no rule reads it."},
          {.name = "type",
           .value_name = "TEXT",
           .summary = "the weapon's type",
           .help = "Its type, as the window's \"Tipo\" box holds it: one of "
                   "its list or any other text; no rule reads it.",
           .values = kWeaponTypes}};
}

std::optional<std::string> WeaponCommand::Configure(const OptionValues& values,
                                                    InputMode mode) {
  notes_ = WeaponNotes{};
  for (const auto& [option, field] :
       {std::pair<std::string_view, std::string*>{"name", &notes_.name},
        std::pair<std::string_view, std::string*>{"type", &notes_.type}}) {
    const auto given = values.find(option);
    if (given == values.end()) continue;
    // The window's boxes take no control characters; as typed, the text
    // goes through as it is, like every other.
    if (mode == InputMode::kChecked &&
        EscapeControls(given->second, false) != given->second) {
      return "--" + std::string(option) +
             " holds a control character: " + Quoted(given->second);
    }
    *field = given->second;
  }
  return std::nullopt;
}

std::string_view WeaponCommand::OutputDescription() const {
  return "Text: the weapon window's captions and values. Markdown: a table "
         "of the fields and a list of the abilities. JSON: one record per "
         "line, described in quendaro-record(5).";
}

void WeaponCommand::Run(RandomSource& random) {
  last_ = generator_.Generate(random);
}

Json WeaponCommand::LastRecord(std::optional<std::int64_t> seed,
                               std::uint64_t index) const {
  return Record(last_, notes_, seed, index);
}

void WeaponCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, notes_, fields);
}

std::string WeaponCommand::LastText() const { return PlainText(last_, notes_); }

std::string WeaponCommand::LastMarkdown() const {
  return Markdown(last_, notes_);
}

}  // namespace quendaro::cli
