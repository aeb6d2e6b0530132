#pragma once

#include <QString>

#include "character/CharacterSheet.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "npc/Party.h"
#include "presentation/Sheets.h"
#include "random/RandomState.h"
#include "treasure/TreasureResult.h"
#include "treasure/contents/LairContents.h"
#include "ui/results/ResultDocument.h"
#include "weapon/WeaponResult.h"

namespace quendaro {

// Each generator's result as a document for copying, saving, printing and
// the history: a one-line summary, the presentation's plain text, Markdown,
// printed sheet and JSON record, and the command line that makes it again
// from `state`, the random source's state just before the generation.
ResultDocument CharacterDocument(const CharacterSheet& sheet,
                                 char decimal_separator,
                                 const RandomState& state);
// A character that no generation of its own made (an NPC of a party): no
// state and no command line.
ResultDocument CharacterDocument(const CharacterSheet& sheet,
                                 char decimal_separator);
// The lair with every gem, art object and magic item it holds.
ResultDocument TreasureDocument(const TreasureResult& result,
                                const LairContents& contents,
                                const RandomState& state);
ResultDocument WeaponDocument(const WeaponResult& weapon,
                              const WeaponNotes& notes,
                              const RandomState& state);
// A weapon that no generation of its own made (one found in a lair): no
// state and no command line.
ResultDocument WeaponDocument(const WeaponResult& weapon,
                              const WeaponNotes& notes);
ResultDocument HitPointDocument(const HitPointResult& result,
                                const RandomState& state);
ResultDocument NameDocument(const NameResult& result, const RandomState& state);
// A party of the party window: its sheet in every format. With the state
// the party began from, the command line that makes it again; without (a
// row was rolled again alone), none.
ResultDocument PartyDocument(const Party& party, char decimal_separator,
                             const RandomState* state);

// The name a generator's files get when its result names nothing better:
// "personaggio", "tesoro", "arma", "punti-ferita", "nome".
QString DefaultFileStem(const QString& generator);

}  // namespace quendaro
