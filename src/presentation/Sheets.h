#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "character/CharacterSheet.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "npc/NpcGenerator.h"
#include "npc/Party.h"
#include "presentation/WeaponPresentation.h"
#include "treasure/TreasureResult.h"
#include "treasure/contents/LairContents.h"
#include "weapon/WeaponResult.h"

namespace quendaro {

// The sheets a game master prints: each result as one A4 page of HTML, laid
// out for Qt's rich-text engine (tables and classes, no floating boxes),
// with room left to write in at the table. Every sheet ends with a footer
// that says when the result was made, with which version, and the command
// line that makes it again; a printer puts that footer at the foot of the
// page (see kSheetFooterAnchor).

// What a sheet says at its foot.
struct SheetFooter {
  std::string date;     // "9 dicembre 2025", as the window's locale writes it
  std::string command;  // the command line that makes the result again
};

// The name of the anchor that opens a sheet's footer, so that a printer can
// lay the footer out at the foot of the page rather than after the body.
inline constexpr std::string_view kSheetFooterAnchor = "piede";

// What a non-player character has beside its scores, as texts ready to show;
// an empty text leaves its box to be filled in by hand.
struct NpcSheetFields {
  std::string level;
  std::string hit_points;
  std::string thac0;
  // Each saving throw's caption and value, in the order the rules list them.
  std::vector<std::pair<std::string, std::string>> saves;
};

// A character: the particulars, the six scores large, each score's row of its
// ability table, and boxes for armour class, equipment and notes. With `npc`,
// its level, hit points, THAC0 and saving throws fill their boxes.
std::string CharacterSheetHtml(const CharacterSheet& sheet,
                               char decimal_separator,
                               const SheetFooter& footer,
                               const NpcSheetFields* npc = nullptr);

// A lair: the types rolled and how often, the totals, the magic items and,
// when given, its contents: the gems and art objects alike counted together,
// each magic item named, and what the lair is worth.
std::string TreasureSheetHtml(const TreasureResult& result,
                              const LairContents* contents,
                              const SheetFooter& footer);

// A whole non-player character: its character sheet with its level, hit
// points, THAC0 and saving throws.
std::string NpcSheetHtml(const Npc& npc, char decimal_separator,
                         const SheetFooter& footer);

// A weapon: its name and type, every value, and the abilities in the order
// the weapon window lists them.
std::string WeaponSheetHtml(const WeaponResult& result,
                            const WeaponNotes& notes,
                            const SheetFooter& footer);

// One roll of hit points, with what it was rolled for and a box per point to
// mark the wounds.
std::string HitPointSheetHtml(const HitPointResult& result,
                              const SheetFooter& footer);

std::string NameSheetHtml(const NameResult& result, const SheetFooter& footer);

// A party: who each NPC is (name, race, class, alignment, sex, age, level,
// hit points), then what each needs in a fight (THAC0, the five saving
// throws, the six scores), one row per NPC in the party window's order, and
// a key to the short headings.
std::string PartySheetHtml(const Party& party, const SheetFooter& footer);

}  // namespace quendaro
