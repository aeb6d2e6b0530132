#include "treasure/contents/ContentsTables.h"

#include <cassert>
#include <cstddef>

namespace quendaro {
namespace {

// The data files name classes, effects and kinds by key; these turn a key
// into its enum at compile time, and an unknown key stops the build (a
// constexpr function that reaches the throw cannot be evaluated).
constexpr GemClass GemClassOf(std::string_view key) {
  if (key == "ornamental") return GemClass::kOrnamental;
  if (key == "semiprecious") return GemClass::kSemiPrecious;
  if (key == "fancy") return GemClass::kFancy;
  if (key == "precious") return GemClass::kPrecious;
  if (key == "gem") return GemClass::kGem;
  if (key == "jewel") return GemClass::kJewel;
  throw "unknown gem class";
}

constexpr GemVariation GemVariationOf(std::string_view key) {
  if (key == "up") return GemVariation::kUp;
  if (key == "double") return GemVariation::kDouble;
  if (key == "more") return GemVariation::kMore;
  if (key == "less") return GemVariation::kLess;
  if (key == "half") return GemVariation::kHalf;
  if (key == "down") return GemVariation::kDown;
  throw "unknown gem variation";
}

constexpr MagicKind MagicKindOf(std::string_view key) {
  if (key == "potion") return MagicKind::kPotion;
  if (key == "scroll") return MagicKind::kScroll;
  if (key == "ring") return MagicKind::kRing;
  if (key == "rod") return MagicKind::kRod;
  if (key == "staff") return MagicKind::kStaff;
  if (key == "wand") return MagicKind::kWand;
  if (key == "miscellaneous") return MagicKind::kMiscellaneous;
  if (key == "armor") return MagicKind::kArmor;
  if (key == "weapon") return MagicKind::kWeapon;
  throw "unknown magic kind";
}

// The rows as the files write them, keys as texts.
struct KeyedGemClassRow {
  int low;
  int high;
  std::string_view gem_class;
  int base_gold;
};
struct KeyedStoneRow {
  std::string_view gem_class;
  int low;
  int high;
  std::string_view stone;
};
struct KeyedVariationRow {
  int low;
  int high;
  std::string_view effect;
  int percent_low;
  int percent_high;
};
struct KeyedKindRow {
  int low;
  int high;
  std::string_view kind;
};

constexpr KeyedGemClassRow kKeyedGemClasses[] = {
#include "treasure/tables/gem_classes.inc"
};
constexpr KeyedStoneRow kKeyedStones[] = {
#include "treasure/tables/gem_stones.inc"
};
constexpr KeyedVariationRow kKeyedVariations[] = {
#include "treasure/tables/gem_variations.inc"
};
constexpr KeyedKindRow kKeyedKinds[] = {
#include "treasure/tables/magic_kinds.inc"
};
constexpr ArtValueRow kArtValues[] = {
#include "treasure/tables/art_values.inc"
};
constexpr TextRow kArtObjects[] = {
#include "treasure/tables/art_objects.inc"
};
constexpr TextRow kArtMaterials[] = {
#include "treasure/tables/art_materials.inc"
};
constexpr TextRow kArtDecorations[] = {
#include "treasure/tables/art_decorations.inc"
};
constexpr MagicItemRow kPotions[] = {
#include "treasure/tables/potions.inc"
};
constexpr ScrollRow kScrolls[] = {
#include "treasure/tables/scrolls.inc"
};
constexpr MagicItemRow kRings[] = {
#include "treasure/tables/rings.inc"
};
constexpr MagicItemRow kRods[] = {
#include "treasure/tables/rods.inc"
};
constexpr MagicItemRow kStaves[] = {
#include "treasure/tables/staves.inc"
};
constexpr MagicItemRow kWands[] = {
#include "treasure/tables/wands.inc"
};
constexpr MagicItemRow kMiscellaneous[] = {
#include "treasure/tables/miscellaneous.inc"
};
constexpr ArmorTypeRow kArmorTypes[] = {
#include "treasure/tables/armor_types.inc"
};
constexpr WeaponTypeRow kWeaponTypes[] = {
#include "treasure/tables/weapon_types.inc"
};
constexpr BonusRow kEnchantments[] = {
#include "treasure/tables/enchantments.inc"
};

template <typename Keyed, std::size_t N, typename Convert>
constexpr auto Converted(const Keyed (&keyed)[N], Convert convert) {
  std::array<decltype(convert(keyed[0])), N> rows{};
  for (std::size_t i = 0; i < N; ++i) rows[i] = convert(keyed[i]);
  return rows;
}

constexpr auto kGemClasses = Converted(kKeyedGemClasses, [](const auto& row) {
  return GemClassRow{row.low, row.high, GemClassOf(row.gem_class),
                     row.base_gold};
});
constexpr auto kVariations = Converted(kKeyedVariations, [](const auto& row) {
  return GemVariationRow{row.low, row.high, GemVariationOf(row.effect),
                         row.percent_low, row.percent_high};
});
constexpr auto kKinds = Converted(kKeyedKinds, [](const auto& row) {
  return MagicKindRow{row.low, row.high, MagicKindOf(row.kind)};
});
constexpr auto kStones = Converted(kKeyedStones, [](const auto& row) {
  return GemStoneRow{row.low, row.high, row.stone};
});

// Where each class's stones begin in kStones: the file lists them class by
// class, in class order.
constexpr std::array<std::size_t, kGemClassCount + 1> kStoneStarts = [] {
  std::array<std::size_t, kGemClassCount + 1> starts{};
  std::size_t row = 0;
  for (int c = 0; c < kGemClassCount; ++c) {
    starts[static_cast<std::size_t>(c)] = row;
    while (row < std::size(kKeyedStones) &&
           GemClassOf(kKeyedStones[row].gem_class) ==
               static_cast<GemClass>(c)) {
      ++row;
    }
  }
  starts[kGemClassCount] = row;
  return starts;
}();
static_assert(kStoneStarts[kGemClassCount] == std::size(kKeyedStones),
              "gem_stones.csv lists the stones class by class, in class order");

// The ranges of a table's rows, for the coverage checks.
template <typename Row, std::size_t N>
constexpr auto RangesOf(const Row (&rows)[N]) {
  std::array<RollRange, N> ranges{};
  for (std::size_t i = 0; i < N; ++i) {
    ranges[i] = RollRange{rows[i].low, rows[i].high};
  }
  return ranges;
}

// True when the rows, in order, run from 1 to `roll` with no gap and no
// overlap: each starts one above where the last ended.
template <std::size_t N>
constexpr bool Covers(const std::array<RollRange, N>& ranges, int roll) {
  int next = 1;
  for (const RollRange& range : ranges) {
    if (range.low != next || range.high < range.low) return false;
    next = range.high + 1;
  }
  return next == roll + 1;
}

constexpr auto kGemClassRanges = RangesOf(kKeyedGemClasses);
constexpr auto kVariationRanges = RangesOf(kKeyedVariations);
constexpr auto kKindRanges = RangesOf(kKeyedKinds);
constexpr auto kArtValueRanges = RangesOf(kArtValues);
constexpr auto kArtObjectRanges = RangesOf(kArtObjects);
constexpr auto kArtMaterialRanges = RangesOf(kArtMaterials);
constexpr auto kArtDecorationRanges = RangesOf(kArtDecorations);
constexpr auto kPotionRanges = RangesOf(kPotions);
constexpr auto kScrollRanges = RangesOf(kScrolls);
constexpr auto kRingRanges = RangesOf(kRings);
constexpr auto kRodRanges = RangesOf(kRods);
constexpr auto kStaffRanges = RangesOf(kStaves);
constexpr auto kWandRanges = RangesOf(kWands);
constexpr auto kMiscellaneousRanges = RangesOf(kMiscellaneous);
constexpr auto kArmorTypeRanges = RangesOf(kArmorTypes);
constexpr auto kWeaponTypeRanges = RangesOf(kWeaponTypes);
constexpr auto kEnchantmentRanges = RangesOf(kEnchantments);
constexpr auto kStoneRanges = RangesOf(kKeyedStones);

static_assert(Covers(kGemClassRanges, kTableRoll), "gem_classes.csv");
static_assert(Covers(kVariationRanges, kGemVariationRoll),
              "gem_variations.csv");
static_assert(Covers(kKindRanges, kTableRoll), "magic_kinds.csv");
static_assert(Covers(kArtValueRanges, kTableRoll), "art_values.csv");
static_assert(Covers(kArtObjectRanges, kTableRoll), "art_objects.csv");
static_assert(Covers(kArtMaterialRanges, kTableRoll), "art_materials.csv");
static_assert(Covers(kArtDecorationRanges, kTableRoll), "art_decorations.csv");
static_assert(Covers(kPotionRanges, kTableRoll), "potions.csv");
static_assert(Covers(kScrollRanges, kTableRoll), "scrolls.csv");
static_assert(Covers(kRingRanges, kTableRoll), "rings.csv");
static_assert(Covers(kRodRanges, kTableRoll), "rods.csv");
static_assert(Covers(kStaffRanges, kTableRoll), "staves.csv");
static_assert(Covers(kWandRanges, kTableRoll), "wands.csv");
static_assert(Covers(kMiscellaneousRanges, kTableRoll), "miscellaneous.csv");
static_assert(Covers(kArmorTypeRanges, kTableRoll), "armor_types.csv");
static_assert(Covers(kWeaponTypeRanges, kTableRoll), "weapon_types.csv");
static_assert(Covers(kEnchantmentRanges, kTableRoll), "enchantments.csv");

// Each class's stones run from 1 to the number of them.
constexpr bool StonesCoverEachClass() {
  for (int c = 0; c < kGemClassCount; ++c) {
    const std::size_t begin = kStoneStarts[static_cast<std::size_t>(c)];
    const std::size_t end = kStoneStarts[static_cast<std::size_t>(c) + 1];
    if (begin == end) return false;
    int next = 1;
    for (std::size_t row = begin; row < end; ++row) {
      if (kStones[row].low != next || kStones[row].high < next) return false;
      next = kStones[row].high + 1;
    }
  }
  return true;
}
static_assert(StonesCoverEachClass(), "gem_stones.csv");

// The classes stand in the file in their order, each once, from the
// cheapest: the variation steps up and down the classes' base values.
constexpr bool ClassesInOrder() {
  for (std::size_t i = 0; i < kGemClasses.size(); ++i) {
    if (kGemClasses[i].gem_class != static_cast<GemClass>(i)) return false;
    if (i > 0 && kGemClasses[i].base_gold <= kGemClasses[i - 1].base_gold) {
      return false;
    }
  }
  return kGemClasses.size() == kGemClassCount;
}
static_assert(ClassesInOrder(), "gem_classes.csv lists each class in order");

// Every kind has rows in the master table, in one block.
constexpr bool EveryKindOnce() {
  for (std::size_t i = 0; i < kKinds.size(); ++i) {
    for (std::size_t j = i + 1; j < kKinds.size(); ++j) {
      if (kKinds[i].kind == kKinds[j].kind) return false;
    }
  }
  return kKinds.size() == kMagicKindCount;
}
static_assert(EveryKindOnce(), "magic_kinds.csv names each kind once");

// A weapon's chances and quantities must be ones a roll can give.
constexpr bool WeaponRowsSound() {
  for (const WeaponTypeRow& row : kWeaponTypes) {
    if (row.intelligence_chance < 0 || row.intelligence_chance > 100 ||
        row.quantity_low < 1 || row.quantity_high < row.quantity_low) {
      return false;
    }
  }
  return true;
}
static_assert(WeaponRowsSound(), "weapon_types.csv");

constexpr bool ScrollRowsSound() {
  for (const ScrollRow& row : kScrolls) {
    if (row.spells == 0 ? row.name.empty()
                        : (row.level_low < 1 || row.level_high > 9 ||
                           row.level_high < row.level_low)) {
      return false;
    }
  }
  return true;
}
static_assert(ScrollRowsSound(),
              "scrolls.csv: spells of levels 1-9, or a named scroll");

template <typename Row, std::size_t N>
constexpr const Row& RowFor(const Row (&rows)[N], int roll) {
  for (const Row& row : rows) {
    if (roll <= row.high) {
      assert(roll >= row.low && "a roll below the table");
      return row;
    }
  }
  assert(false && "a roll above the table");
  return rows[N - 1];
}
template <typename Row, std::size_t N>
constexpr const Row& RowFor(const std::array<Row, N>& rows, int roll) {
  for (const Row& row : rows) {
    if (roll <= row.high) {
      assert(roll >= row.low && "a roll below the table");
      return row;
    }
  }
  assert(false && "a roll above the table");
  return rows[N - 1];
}

// The stones of one class, as their own table.
constexpr TableCoverage StonesCoverage(std::string_view file, GemClass c) {
  const auto begin = kStoneStarts[static_cast<std::size_t>(c)];
  const auto end = kStoneStarts[static_cast<std::size_t>(c) + 1];
  return {file, static_cast<int>(end - begin),
          std::span<const RollRange>(kStoneRanges).subspan(begin, end - begin)};
}

constexpr std::array<TableCoverage, 23> kCoverage = {{
    {"gem_classes.csv", kTableRoll, kGemClassRanges},
    {"gem_variations.csv", kGemVariationRoll, kVariationRanges},
    {"art_values.csv", kTableRoll, kArtValueRanges},
    {"art_objects.csv", kTableRoll, kArtObjectRanges},
    {"art_materials.csv", kTableRoll, kArtMaterialRanges},
    {"art_decorations.csv", kTableRoll, kArtDecorationRanges},
    {"magic_kinds.csv", kTableRoll, kKindRanges},
    {"potions.csv", kTableRoll, kPotionRanges},
    {"scrolls.csv", kTableRoll, kScrollRanges},
    {"rings.csv", kTableRoll, kRingRanges},
    {"rods.csv", kTableRoll, kRodRanges},
    {"staves.csv", kTableRoll, kStaffRanges},
    {"wands.csv", kTableRoll, kWandRanges},
    {"miscellaneous.csv", kTableRoll, kMiscellaneousRanges},
    {"armor_types.csv", kTableRoll, kArmorTypeRanges},
    {"weapon_types.csv", kTableRoll, kWeaponTypeRanges},
    {"enchantments.csv", kTableRoll, kEnchantmentRanges},
    StonesCoverage("gem_stones.csv, ornamental", GemClass::kOrnamental),
    StonesCoverage("gem_stones.csv, semiprecious", GemClass::kSemiPrecious),
    StonesCoverage("gem_stones.csv, fancy", GemClass::kFancy),
    StonesCoverage("gem_stones.csv, precious", GemClass::kPrecious),
    StonesCoverage("gem_stones.csv, gem", GemClass::kGem),
    StonesCoverage("gem_stones.csv, jewel", GemClass::kJewel),
}};

}  // namespace

const GemClassRow& GemClassFor(int roll) { return RowFor(kGemClasses, roll); }

std::span<const GemStoneRow> StonesOf(GemClass gem_class) {
  const auto c = static_cast<std::size_t>(gem_class);
  return std::span(kStones).subspan(kStoneStarts[c],
                                    kStoneStarts[c + 1] - kStoneStarts[c]);
}

const GemStoneRow& StoneFor(GemClass gem_class, int roll) {
  const std::span<const GemStoneRow> stones = StonesOf(gem_class);
  assert(roll >= 1 && roll <= static_cast<int>(stones.size()) &&
         "a stone roll outside its class");
  for (const GemStoneRow& row : stones) {
    if (roll <= row.high) return row;
  }
  return stones.back();
}

const GemVariationRow& GemVariationFor(int roll) {
  return RowFor(kVariations, roll);
}

int BaseGold(GemClass gem_class) {
  return kGemClasses[static_cast<std::size_t>(gem_class)].base_gold;
}

const ArtValueRow& ArtValueFor(int roll) { return RowFor(kArtValues, roll); }
std::string_view ArtObjectFor(int roll) {
  return RowFor(kArtObjects, roll).text;
}
std::string_view ArtMaterialFor(int roll) {
  return RowFor(kArtMaterials, roll).text;
}
std::string_view ArtDecorationFor(int roll) {
  return RowFor(kArtDecorations, roll).text;
}

MagicKind MagicKindFor(int roll) { return RowFor(kKinds, roll).kind; }

RollRange MasterRowsOf(MagicKind kind) {
  for (const MagicKindRow& row : kKinds) {
    if (row.kind == kind) return {row.low, row.high};
  }
  assert(false && "every kind has rows in the master table");
  return {1, kTableRoll};
}

const MagicItemRow& MagicItemFor(MagicKind kind, int roll) {
  switch (kind) {
    case MagicKind::kPotion:
      return RowFor(kPotions, roll);
    case MagicKind::kRing:
      return RowFor(kRings, roll);
    case MagicKind::kRod:
      return RowFor(kRods, roll);
    case MagicKind::kStaff:
      return RowFor(kStaves, roll);
    case MagicKind::kWand:
      return RowFor(kWands, roll);
    case MagicKind::kMiscellaneous:
      return RowFor(kMiscellaneous, roll);
    case MagicKind::kScroll:
    case MagicKind::kArmor:
    case MagicKind::kWeapon:
      break;
  }
  assert(false && "scrolls, armour and weapons have tables of their own");
  return kPotions[0];
}

const ScrollRow& ScrollFor(int roll) { return RowFor(kScrolls, roll); }
const ArmorTypeRow& ArmorTypeFor(int roll) { return RowFor(kArmorTypes, roll); }
const WeaponTypeRow& WeaponTypeFor(int roll) {
  return RowFor(kWeaponTypes, roll);
}
int EnchantmentFor(int roll) { return RowFor(kEnchantments, roll).bonus; }

std::span<const TableCoverage> AllTables() { return kCoverage; }

}  // namespace quendaro
