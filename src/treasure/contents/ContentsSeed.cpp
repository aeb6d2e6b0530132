#include "treasure/contents/ContentsSeed.h"

namespace quendaro {
namespace {

// SplitMix64's finaliser: every bit of the input moves every bit of the
// output, so rolls that differ in one face give unrelated seeds.
constexpr std::uint64_t Mix(std::uint64_t z) {
  z += 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

}  // namespace

ContentsSeed::ContentsSeed(RandomSource& main)
    : main_(main),
      hash_(Mix(main.State().state ^ Mix(main.State().increment))),
      first_draw_(main.DrawCount()) {
  // Where the lair starts in the sequence sets it apart from an earlier
  // lair that rolled the same. The source's state says where, not its count
  // of draws, so that a lair rolled again from its record's state gets the
  // same contents.
  main_.SetObserver(this);
}

ContentsSeed::~ContentsSeed() { main_.SetObserver(nullptr); }

std::uint64_t ContentsSeed::Value() const {
  return Mix(hash_ ^ Mix(main_.DrawCount() - first_draw_));
}

void ContentsSeed::OnReseed() { hash_ = Mix(hash_ + 1); }

void ContentsSeed::OnRoll(int count, int low, int result) {
  const auto roll =
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(count)) << 32) ^
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(low)) << 16) ^
      static_cast<std::uint32_t>(result);
  hash_ = Mix(hash_ ^ roll);
}

}  // namespace quendaro
