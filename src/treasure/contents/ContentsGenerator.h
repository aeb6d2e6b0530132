#pragma once

#include <cstdint>

#include "random/RandomSource.h"
#include "treasure/TreasureResult.h"
#include "treasure/contents/LairContents.h"
#include "weapon/WeaponGenerator.h"

namespace quendaro {

// What comes after "Genera tesoro": every gem, art object and magic item of
// a lair, named and valued. It reads only the lair's totals and magic-item
// lines, so it never changes them, and leaves the counting to the
// TreasureGenerator.
//
// It draws from a source of its own, seeded from the lair's draws (see
// ContentsSeed): the main sequence does not move, so a seeded lair is the
// same with or without its contents, and the contents of a lair follow from
// it. That source's clock is frozen, so the one reseed of an intelligent
// weapon's generation gives the same weapon for the same lair every time.
//
// The draws, in order: whether the platinum/electrum coins are platinum
// (only when there are any); each gem (class, stone, whether it varies and
// how); each art object (value row, value, object, material, decoration);
// then the items of each type's line from A to I, first those of any kind,
// then the potions or scrolls the line adds. An item rolls its kind on the
// master table (over the rows its line allows), its row on the kind's table,
// then its charges, spells, bonus or intelligence.
class ContentsGenerator {
 public:
  // The contents' own source for `seed`, a ContentsSeed's value.
  static RandomSource SourceFor(std::uint64_t seed);

  LairContents Generate(const TreasureResult& lair, RandomSource& random) const;

 private:
  WeaponGenerator weapons_;
};

// Exchange rates in copper pieces: 1 gp = 10 sp = 100 cp = 2 ep, 1 pp = 5 gp.
inline constexpr Copper kCopperPerSilver = 10;
inline constexpr Copper kCopperPerElectrum = 50;
inline constexpr Copper kCopperPerPlatinum = 500;

// The lair's coins in copper pieces, its platinum/electrum as `metal` (none
// when it has no such coins).
Copper CoinValue(const TreasureResult& lair, std::optional<WhiteMetal> metal);

}  // namespace quendaro
