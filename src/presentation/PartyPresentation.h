#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "npc/Party.h"
#include "presentation/JsonFields.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro {

// "Gruppo di PNG: 6 di livello 3", with the choices that were fixed for all:
// "Gruppo di PNG: 4 di livello 1, <razza>".
std::string PartyTitle(const Party& party);

// The title, then each NPC as PlainText(Npc) writes it, a blank line apart.
std::string PlainText(const Party& party, char decimal_separator);
// The title as a heading and one table row per NPC (NpcColumns()).
std::string Markdown(const Party& party);
// The printed party sheet is PartySheetHtml (Sheets.h).

// {"level": 3, "size": 6, "race": the race or null, "class": ...,
//  "alignment": ..., "members": [each NPC's result, as "npc" records it]}.
// The party's fields, once, in the order and shape of its record's
// "result" (ResultJson writes them).
void VisitResult(const Party& party, ResultFields& fields);
Json Record(const Party& party, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
