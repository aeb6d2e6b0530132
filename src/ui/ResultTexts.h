#pragma once

#include <string>

#include "character/CharacterSheet.h"
#include "hitpoints/ClassGroup.h"
#include "names/NameGenerator.h"
#include "treasure/TreasureGenerator.h"
#include "treasure/TreasureResult.h"
#include "ui/ResultDocument.h"
#include "weapon/WeaponResult.h"

namespace quendaro {

// Each generator's result as a document for copying, saving, printing and
// the history: its summary line and its texts in every format.
ResultDocument CharacterDocument(const CharacterRequest& request,
                                 const CharacterSheet& sheet);
ResultDocument TreasureDocument(const TreasureGenerator::Counts& counts,
                                const TreasureResult& result);
ResultDocument WeaponDocument(const WeaponResult& weapon);
ResultDocument HitPointDocument(ClassGroup group, const std::string& level,
                                bool reroll, const std::string& hit_points);
ResultDocument NameDocument(const NameResult& result);

}  // namespace quendaro
