#pragma once

#include "character/CharacterSheet.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "treasure/TreasureResult.h"
#include "treasure/contents/LairContents.h"
#include "ui/results/ResultDocument.h"
#include "weapon/WeaponResult.h"

namespace quendaro {

// Each generator's result as a document for copying, saving, printing and
// the history: a one-line summary, and the presentation's plain text,
// Markdown, HTML and JSON record.
ResultDocument CharacterDocument(const CharacterSheet& sheet,
                                 char decimal_separator);
ResultDocument TreasureDocument(const TreasureResult& result);
// The lair with every gem, art object and magic item it holds.
ResultDocument TreasureDocument(const TreasureResult& result,
                                const LairContents& contents);
ResultDocument WeaponDocument(const WeaponResult& weapon);
ResultDocument HitPointDocument(const HitPointResult& result);
ResultDocument NameDocument(const NameResult& result);

}  // namespace quendaro
