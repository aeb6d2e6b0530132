#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "npc/NpcGenerator.h"
#include "presentation/JsonFields.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro {

// The game's five saving throws as a game master reads them: the record's
// key ("paralyzation"), the heading of a party table's column ("Par"), the
// word of a line of text ("paralisi") and the whole caption ("Paralisi,
// veleno o morte magica").
struct SavingThrowNames {
  std::string_view key;
  std::string_view heading;
  std::string_view word;
  std::string_view caption;
};
const SavingThrowNames& NamesOf(SavingThrow saving_throw);

// The character as the character generator shows it, then "LIVELLO: 3",
// "PF: 14 (Militare)" (for a multi-class character each class's roll beside
// the average: "PF: 14 (Militare 17, Esperto di magia 11)"), "THAC0: 18" and
// "TIRI SALVEZZA: paralisi 13, verga 14, ...".
std::string PlainText(const Npc& npc, char decimal_separator);

// One column of a party table: its heading, the caption a tooltip or a
// screen reader gives it, and whether it holds numbers.
struct NpcColumn {
  std::string_view heading;
  std::string_view caption;
  bool numeric;
};
// The party table's columns: name, race, class, alignment, sex, age, level,
// hit points, THAC0, the five saving throws and the six scores. The party
// window, the Markdown and the party sheet all show these.
std::span<const NpcColumn> NpcColumns();
// One NPC's texts under NpcColumns(), the strength as "18/45" when
// exceptional.
std::vector<std::string> NpcRowTexts(const Npc& npc);

// A party sheet: one table row per NPC under NpcMarkdownHeader(), in the
// columns of NpcColumns().
std::string NpcMarkdownHeader();
std::string Markdown(const Npc& npc);

// {"character": the character's result, "level": 3, "hitPoints": 14,
//  "classHitPoints": [{"group": "Militare", "hitPoints": 17}, ...],
//  "thac0": 18, "savingThrows": {"paralyzation": 13, "rod": 14, ...}}, the
// last two null for a class typed by hand, which has no group. The NPC's
// fields, once, in the order and shape of its record's "result"
// (ResultJson writes them).
void VisitResult(const Npc& npc, ResultFields& fields);
// {"character": the character's display, "level": "3", "hitPoints": "14"}.
Json DisplayJson(const Npc& npc);
Json Record(const Npc& npc, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
