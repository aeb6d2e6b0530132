#include "cli/WeaponCommand.h"

#include "presentation/WeaponPresentation.h"

namespace quendaro::cli {

std::string WeaponCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli weapon - an intelligent magic weapon\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli weapon [--count N] [--seed S] [--json] [--stats] "
         "[--explain]\n"
         "\n"
         "DESCRIPTION\n"
         "    Rolls a weapon's languages, bonus, alignment, intelligence, "
         "communication,\n"
         "    readings, one to three abilities or extraordinary powers, a "
         "possible\n"
         "    special purpose with its power, and its ego. Each weapon "
         "reseeds the\n"
         "    random source from the clock once, as the weapon window does "
         "(frozen\n"
         "    under --seed).\n"
         "\n"
         "OUTPUT\n"
         "    Text: the weapon window's captions and values. Markdown: a "
         "table of the\n"
         "    fields and a list of the abilities. JSON: the record described "
         "in the\n"
         "    README.\n";
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
