#pragma once

#include <cstdint>

namespace quendaro {

// SplitMix64's finaliser: a bijection that spreads every bit of its input
// over the whole word, so inputs a bit apart give unrelated outputs. The
// random source folds seeds, clock readings and entropy into its state with
// it, and a lair's contents fold the lair's rolls into their seed.
constexpr std::uint64_t MixBits(std::uint64_t z) {
  z += 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

}  // namespace quendaro
