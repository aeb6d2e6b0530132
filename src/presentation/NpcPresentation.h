#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "npc/NpcGenerator.h"
#include "presentation/JsonFields.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro {

// The character as the character generator shows it, then "LIVELLO: 3" and
// "PF: 14 (Militare)", or for a multi-class character each class's roll
// beside the average: "PF: 14 (Militare 17, Esperto di magia 11)".
std::string PlainText(const Npc& npc, char decimal_separator);

// A party sheet: one table row per NPC under NpcMarkdownHeader(), with name,
// race, class, alignment, sex, level, hit points and the six scores.
std::string NpcMarkdownHeader();
std::string Markdown(const Npc& npc);

// {"character": the character's result, "level": 3, "hitPoints": 14,
//  "classHitPoints": [{"group": "Militare", "hitPoints": 17}, ...]}.
// The NPC's fields, once, in the order and shape of its record's
// "result" (ResultJson writes them).
void VisitResult(const Npc& npc, ResultFields& fields);
// {"character": the character's display, "level": "3", "hitPoints": "14"}.
Json DisplayJson(const Npc& npc);
Json Record(const Npc& npc, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
