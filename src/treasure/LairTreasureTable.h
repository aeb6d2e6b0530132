#pragma once

#include <array>
#include <string_view>

namespace quendaro {

// The six things a lair is counted in, in the order a type's rows and the
// totals list them. The coin kinds are numbers of coins; gems and art objects
// are numbers of pieces. Platinum and electrum share one kind.
enum class TreasureKind {
  kCopper,
  kSilver,
  kGold,
  kPlatinumElectrum,
  kGems,
  kArtObjects,
};
inline constexpr int kTreasureKindCount = 6;

// The lair treasure types "A" to "I".
inline constexpr int kTreasureTypeCount = 9;

// How many times one type can be present in a lair.
inline constexpr int kMaxTreasureCount = 5;

// One kind of one type: the percentage chance that a lair holds it and the
// inclusive range of the amount for a single copy of the type. A chance of 0
// marks a kind the type never yields; it makes no draw at all.
struct TreasureRow {
  int chance = 0;
  int low = 0;
  int high = 0;

  constexpr bool Present() const { return chance > 0; }
};

// One lair treasure type, as the game's lair table lists it.
struct TreasureTypeEntry {
  std::string_view letter;
  std::array<TreasureRow, kTreasureKindCount> rows;  // indexed by TreasureKind
  int magicChance = 0;
  // The magic-item line for counts 1 to 5, stored as shown: a lair present
  // n times holds n times the items of one lair.
  std::array<std::string_view, kMaxTreasureCount> magicTexts;
};

// The nine types in the order A to I.
const std::array<TreasureTypeEntry, kTreasureTypeCount>& LairTreasureTable();

// The entry of type `type` (0 for A to 8 for I).
const TreasureTypeEntry& TreasureType(int type);

// The row of `kind` in `entry`; a row that is not Present() for kinds the
// type lacks.
const TreasureRow& RowOf(const TreasureTypeEntry& entry, TreasureKind kind);

// The magic-item line of type `type` present `count` times, count 1 to 5.
std::string_view MagicText(int type, int count);

}  // namespace quendaro
