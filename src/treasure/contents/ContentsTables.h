#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace quendaro {

// The tables that name and value what a lair holds, made at build time from
// the files under data/treasure/, which name their sources. Every table is a
// list of rows with closed roll ranges that cover the table's roll without a
// gap or an overlap; the lookups take a roll inside it and give the one row
// that holds it. The checks that prove the coverage run when the program is
// compiled, so a table with a gap does not build.

// Money is counted in copper pieces: a gem can be worth as little as one
// silver piece, and a percentage of ten gold pieces is a whole number of
// copper ones. 1 gp = 100 cp.
using Copper = std::int64_t;
inline constexpr Copper kCopperPerGold = 100;

// The value classes of gems, from the cheapest.
enum class GemClass {
  kOrnamental,
  kSemiPrecious,
  kFancy,
  kPrecious,
  kGem,
  kJewel,
};
inline constexpr int kGemClassCount = 6;

// The kinds of magic items, in the order of the master table.
enum class MagicKind {
  kPotion,
  kScroll,
  kRing,
  kRod,
  kStaff,
  kWand,
  kMiscellaneous,
  kArmor,
  kWeapon,
};
inline constexpr int kMagicKindCount = 9;

// How a gem that varies is worth more or less than its class's base value.
enum class GemVariation { kUp, kDouble, kMore, kLess, kHalf, kDown };

struct GemClassRow {
  int low;
  int high;
  GemClass gem_class;
  int base_gold;
};

struct GemStoneRow {
  int low;
  int high;
  std::string_view stone;
};

struct GemVariationRow {
  int low;
  int high;
  GemVariation effect;
  int percent_low;  // for kMore and kLess: the change, in steps of ten
  int percent_high;
};

// The value of an art object: one roll over dice_low .. dice_high, times the
// multiplier, in gold pieces.
struct ArtValueRow {
  int low;
  int high;
  int dice_low;
  int dice_high;
  int multiplier;
};

// A row of a table of texts: art objects, materials, decorations.
struct TextRow {
  int low;
  int high;
  std::string_view text;
};

struct MagicKindRow {
  int low;
  int high;
  MagicKind kind;
};

// An item of a kind's table. Charges are rolled over charges_low ..
// charges_high when found; 0 .. 0 for an item without charges.
struct MagicItemRow {
  int low;
  int high;
  std::string_view name;
  int charges_low;
  int charges_high;

  constexpr bool HasCharges() const { return charges_high > 0; }
};

// A scroll: either `spells` spells each of a level within level_low ..
// level_high, or (with no spells) the named scroll.
struct ScrollRow {
  int low;
  int high;
  std::string_view name;
  int spells;
  int level_low;
  int level_high;
};

struct BonusRow {
  int low;
  int high;
  int bonus;
};

// A magic weapon's type: the chance in percent that it is intelligent, how
// many pieces one find holds, and the weapon window's type entry for it
// (empty when the window's list has none).
struct WeaponTypeRow {
  int low;
  int high;
  std::string_view name;
  int intelligence_chance;
  int quantity_low;
  int quantity_high;
  std::string_view form5_type;
};

struct ArmorTypeRow {
  int low;
  int high;
  std::string_view name;
};

// The roll of every table but the stones': Roll(kTableRoll, 1), a d100, or
// a d6 for the gem variations.
inline constexpr int kTableRoll = 100;
inline constexpr int kGemVariationRoll = 6;
// One gem in ten varies from its base value.
inline constexpr int kGemVariationChance = 10;
// A scroll of spells is a wizard's on 1 .. this, a priest's above.
inline constexpr int kWizardScrollChance = 70;
// The highest level of a priest's spell.
inline constexpr int kHighestPriestLevel = 7;
// The most steps a varying gem can go up and down, and its highest value.
inline constexpr int kMostStepsUp = 7;
inline constexpr int kMostStepsDown = 5;
inline constexpr Copper kHighestGemValue = 100000 * kCopperPerGold;

const GemClassRow& GemClassFor(int roll);
// The stones of one class, in order; a stone is Roll(size, 1) over them.
std::span<const GemStoneRow> StonesOf(GemClass gem_class);
const GemStoneRow& StoneFor(GemClass gem_class, int roll);
const GemVariationRow& GemVariationFor(int roll);
// The base value of a class in gold pieces.
int BaseGold(GemClass gem_class);

const ArtValueRow& ArtValueFor(int roll);
std::string_view ArtObjectFor(int roll);
std::string_view ArtMaterialFor(int roll);
std::string_view ArtDecorationFor(int roll);

MagicKind MagicKindFor(int roll);
// The master table's rows of `kind`, as a closed range of its roll.
struct RollRange {
  int low;
  int high;
};
RollRange MasterRowsOf(MagicKind kind);
// The table of potions, rings, rods, staves, wands or miscellaneous items.
const MagicItemRow& MagicItemFor(MagicKind kind, int roll);
const ScrollRow& ScrollFor(int roll);
const ArmorTypeRow& ArmorTypeFor(int roll);
const WeaponTypeRow& WeaponTypeFor(int roll);
int EnchantmentFor(int roll);

// Every table as its rows' ranges and the roll they must cover, for a test
// that checks them once more at run time.
struct TableCoverage {
  std::string_view file;  // the data file, "potions.csv"
  int roll;               // the rows must cover 1 .. roll
  std::span<const RollRange> ranges;
};
std::span<const TableCoverage> AllTables();

}  // namespace quendaro
