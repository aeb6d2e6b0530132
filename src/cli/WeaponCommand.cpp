#include "cli/WeaponCommand.h"

#include "presentation/WeaponPresentation.h"

namespace quendaro::cli {

std::string_view WeaponCommand::Description() const {
  return "Rolls a weapon's languages, bonus, alignment, intelligence, "
         "communication, readings, one to three abilities or extraordinary "
         "powers, a possible special purpose with its power, and its ego. "
         "Each weapon reseeds the random source from the clock once, as the "
         "weapon window does (frozen under --seed). It takes only the "
         "common options.";
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
  return Record(last_, seed, index);
}

void WeaponCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, fields);
}

std::string WeaponCommand::LastText() const { return PlainText(last_); }

std::string WeaponCommand::LastMarkdown() const { return Markdown(last_); }

}  // namespace quendaro::cli
