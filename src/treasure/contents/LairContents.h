#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "treasure/contents/ContentsTables.h"
#include "weapon/WeaponResult.h"

namespace quendaro {

// One gem: its class, its stone and what it is worth, the class's base value
// or, for one gem in ten, more or less.
struct Gem {
  GemClass gem_class = GemClass::kOrnamental;
  std::string_view stone;
  Copper value = 0;
};

// One art object: what it is, of what, how decorated (empty when plain), and
// what it is worth.
struct ArtObject {
  std::string_view object;
  std::string_view material;
  std::string_view decoration;
  Copper value = 0;
};

inline constexpr int kMostScrollSpells = 7;

// The spells of a scroll of spells: whose they are and the level of each.
struct ScrollSpells {
  bool wizard = true;  // a wizard's scroll, else a priest's
  int count = 0;
  std::array<int, kMostScrollSpells> levels{};
};

// One magic item of a lair type's line.
struct MagicItem {
  int type = 0;  // the lair type whose line asked for it, 0 for A .. 8 for I
  MagicKind kind = MagicKind::kPotion;
  // The table's name: the item, or for armour and weapons the type of armour
  // or weapon. Empty for a scroll of spells.
  std::string_view name;
  int bonus = 0;     // the +1 .. +5 of armour and weapons; 0 for the others
  int charges = 0;   // rods, staves, wands and some others; 0 for none
  int quantity = 1;  // arrows, bolts and darts come several to a find
  std::optional<ScrollSpells> spells;
  // An intelligent weapon's whole generation; its bonus is the item's.
  std::optional<WeaponResult> weapon;
  // The weapon window's type entry for an intelligent weapon ("Spada"), or
  // empty when the window's list has none.
  std::string_view weapon_window_type;
};

// Which metal the lair's platinum/electrum coins are.
enum class WhiteMetal { kPlatinum, kElectrum };

// What the lair is worth, in copper pieces.
struct LairValue {
  Copper gems = 0;
  Copper art_objects = 0;
  Copper coins = 0;
  Copper total = 0;
};

// Everything a lair holds, item by item: as many gems and art objects as its
// totals count, the magic items its lines ask for, type by type, and its
// value. A lair without platinum/electrum coins has no metal to tell.
struct LairContents {
  std::vector<Gem> gems;
  std::vector<ArtObject> art_objects;
  std::vector<MagicItem> magic_items;
  std::optional<WhiteMetal> white_metal;
  LairValue value;
};

}  // namespace quendaro
