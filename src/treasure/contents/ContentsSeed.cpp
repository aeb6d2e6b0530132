#include "treasure/contents/ContentsSeed.h"

#include "random/MixBits.h"

namespace quendaro {

ContentsSeed::ContentsSeed(RandomSource& main)
    : main_(main),
      hash_(MixBits(main.State().state ^ MixBits(main.State().increment))),
      first_draw_(main.DrawCount()) {
  // Where the lair starts in the sequence sets it apart from an earlier
  // lair that rolled the same. The source's state says where, not its count
  // of draws, so that a lair rolled again from its record's state gets the
  // same contents.
  main_.SetObserver(this);
}

ContentsSeed::~ContentsSeed() { main_.SetObserver(nullptr); }

std::uint64_t ContentsSeed::Value() const {
  return MixBits(hash_ ^ MixBits(main_.DrawCount() - first_draw_));
}

void ContentsSeed::OnReseed() { hash_ = MixBits(hash_ + 1); }

void ContentsSeed::OnRoll(int count, int low, int result) {
  const auto roll =
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(count)) << 32) ^
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(low)) << 16) ^
      static_cast<std::uint32_t>(result);
  hash_ = MixBits(hash_ ^ roll);
}

}  // namespace quendaro
