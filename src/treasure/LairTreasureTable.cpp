#include "treasure/LairTreasureTable.h"

#include <cassert>

namespace quendaro {
namespace {

constexpr TreasureRow kNone{};

// One line per type: its letter; its rows in the order copper, silver, gold,
// platinum/electrum, gems, art objects as {chance in percent, low, high}, with
// kNone where the type never yields the kind; its magic chance; then the
// magic-item lines for counts 1 to 5.
// clang-format off
constexpr std::array<TreasureTypeEntry, kTreasureTypeCount> kLairTreasureTable{{
    {"A", {{{25, 1000,  3000}, {30,  200,  2000}, {40, 1000,  6000}, {35,  300, 1800}, {60, 10, 40}, {50, 2, 12}}}, 30,
     {"3 qualsiasi", "6 qualsiasi", "9 qualsiasi", "12 qualsiasi", "15 qualsiasi"}},
    {"B", {{{50, 1000,  6000}, {25, 1000,  3000}, {25,  200,  2000}, {25,  100, 1000}, {30,  1,  8}, {20, 1,  4}}}, 10,
     {"1 armatura/arma", "2 armature/armi", "3 armature/armi", "4 armature/armi", "5 armature/armi"}},
    {"C", {{{20, 1000, 10000}, {30, 1000,  6000}, kNone,             {10,  100,  600}, {25,  1,  6}, {20, 1,  3}}}, 10,
     {" 2 qualsiasi", " 4 qualsiasi", " 6 qualsiasi", " 8 qualsiasi", " 10 qualsiasi"}},
    {"D", {{{10, 1000,  6000}, {15, 1000, 10000}, {50, 1000,  3000}, {15,  100,  600}, {30,  1, 10}, {25, 1,  6}}}, 15,
     {"2 + 1 pozione", "4 + 2 pozioni", "6 + 3 pozioni", "8 + 4 pozioni", "10 + 5 pozioni"}},
    {"E", {{{ 5, 1000,  6000}, {25, 1000, 10000}, {25, 1000,  4000}, {25,  300, 1800}, {15,  1, 12}, {10, 1,  6}}}, 25,
     {"3 + 1 pergamena", "6 + 2 pergamene", "9 + 3 pergamene", "12 + 4 pergamene", "15 + 5 pergamene"}},
    {"F", {{kNone,             {10, 3000, 18000}, {40, 1000,  6000}, {15, 1000, 4000}, {20,  1, 20}, {10, 1,  8}}}, 30,
     {"5 qualsiasi, non armi", "10 qualsiasi, non armi", "15 qualsiasi, non armi", "20 qualsiasi, non armi",
      "25 qualsiasi, non armi"}},
    {"G", {{kNone,             kNone,             {50, 1000, 19000}, {50, 1000, 10000}, {30,  3, 18}, {25, 1,  6}}}, 35,
     {"5 qualsiasi", "10 qualsiasi", "15 qualsiasi", "20 qualsiasi", "25 qualsiasi"}},
    {"H", {{{25, 3000, 18000}, {40, 2000, 20000}, {55, 2000, 20000}, {40, 1000, 8000}, {50,  3, 30}, {50, 2, 20}}}, 15,
     {"6 qualsiasi", "12 qualsiasi", "18 qualsiasi", "24 qualsiasi", "30 qualsiasi"}},
    {"I", {{kNone,             kNone,             kNone,             {30,  100,  600}, {55,  2, 12}, {50, 2,  8}}}, 15,
     {"1 qualsiasi", "2 qualsiasi", "3 qualsiasi", "4 qualsiasi", "5 qualsiasi"}},
}};
// clang-format on

// Every range must be one a Roll can cover and every chance a percentage, or
// a lair would yield amounts the rules do not allow.
constexpr bool RowsAreSound() {
  for (const TreasureTypeEntry& entry : kLairTreasureTable) {
    if (entry.magicChance < 1 || entry.magicChance > 100) return false;
    for (const TreasureRow& row : entry.rows) {
      if (row.Present() &&
          (row.chance > 100 || row.low < 0 || row.low > row.high)) {
        return false;
      }
    }
  }
  return true;
}
static_assert(RowsAreSound(),
              "lair table rows need chances 1-100, low <= high");

}  // namespace

const std::array<TreasureTypeEntry, kTreasureTypeCount>& LairTreasureTable() {
  return kLairTreasureTable;
}

const TreasureTypeEntry& TreasureType(int type) {
  assert(type >= 0 && type < kTreasureTypeCount && "treasure type A to I");
  return kLairTreasureTable[static_cast<std::size_t>(type)];
}

const TreasureRow& RowOf(const TreasureTypeEntry& entry, TreasureKind kind) {
  return entry.rows[static_cast<std::size_t>(kind)];
}

std::string_view MagicText(int type, int count) {
  assert(count >= 1 && count <= kMaxTreasureCount && "magic text for 1 to 5");
  return TreasureType(type).magicTexts[static_cast<std::size_t>(count - 1)];
}

}  // namespace quendaro
