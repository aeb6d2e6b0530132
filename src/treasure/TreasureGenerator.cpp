#include "treasure/TreasureGenerator.h"

#include <string>
#include <string_view>

namespace quendaro {
namespace {

// The kinds as the roll audit names them, in TreasureKind order.
constexpr std::array<std::string_view, kTreasureKindCount> kKindNames{
    "rame", "argento", "oro", "platino/electrum", "gemme", "oggetti d'arte"};
constexpr std::string_view kMagicName = "oggetti magici";

// "Tesoro A: rame", the subject of every step about one row of one type.
std::string RowSubject(const TreasureTypeEntry& entry, std::string_view kind) {
  return "Tesoro " + std::string(entry.letter) + ": " + std::string(kind);
}

constexpr int kPercentFaces = 100;

// PercentTest with a log listening: the roll is a step, and so is its
// failure. Apart, so that the test nobody audits, made some sixty times per
// lair, carries none of the texts.
[[gnu::noinline]] bool LoggedPercentTest(int chance,
                                         const TreasureTypeEntry& entry,
                                         std::string_view kind,
                                         RandomSource& random) {
  const bool passed = random.Roll(kPercentFaces, 1, [&] {
    return RowSubject(entry, kind) + ", probabilità";
  }) <= chance;
  if (!passed) {
    random.Log()->Rule(
        RowSubject(entry, kind),
        "probabilità del " + std::to_string(chance) + "% mancata", {}, {});
  }
  return passed;
}

// A percentage test: passes on a roll of 1 up to `chance`, for the row
// named `kind`.
bool PercentTest(int chance, const TreasureTypeEntry& entry,
                 std::string_view kind, RandomSource& random) {
  if (random.Log() != nullptr) {
    return LoggedPercentTest(chance, entry, kind, random);
  }
  return random.Roll(kPercentFaces, 1) <= chance;
}

}  // namespace

TreasureResult TreasureGenerator::Generate(const Counts& counts,
                                           RandomSource& random) const {
  // Summing as we go gives the same totals as a grid of cells summed per
  // kind afterwards: every cell is set once and only ever added to its
  // kind's total. The largest total, 345000, fits an int easily.
  TreasureResult result;
  result.counts = counts;

  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const int count = counts[static_cast<std::size_t>(type)];
    if (count < 1 || count > kMaxTreasureCount) continue;

    const TreasureTypeEntry& entry = TreasureType(type);
    for (int kind = 0; kind < kTreasureKindCount; ++kind) {
      const TreasureRow& row = entry.rows[static_cast<std::size_t>(kind)];
      const std::string_view name = kKindNames[static_cast<std::size_t>(kind)];
      if (!row.Present() || !PercentTest(row.chance, entry, name, random)) {
        continue;
      }
      const int amount = random.RollBetween(row.low, row.high, [&] {
        return RowSubject(entry, name) + ", quantità";
      });
      if (RollLog* log = random.Log(); log != nullptr && count > 1) {
        log->Rule(RowSubject(entry, name) + ", quantità",
                  "per " + std::to_string(count) + " volte il tipo", amount,
                  amount * count);
      }
      result.totals[static_cast<std::size_t>(kind)] += amount * count;
    }
    if (PercentTest(entry.magicChance, entry, kMagicName, random)) {
      result.magic_lines[static_cast<std::size_t>(type)] =
          MagicText(type, count);
      if (RollLog* log = random.Log()) {
        log->Rule(RowSubject(entry, kMagicName),
                  "probabilità del " + std::to_string(entry.magicChance) +
                      "% riuscita",
                  {}, std::string(MagicText(type, count)));
      }
    }
  }
  return result;
}

}  // namespace quendaro
