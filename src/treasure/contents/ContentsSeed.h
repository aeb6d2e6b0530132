#pragma once

#include <cstddef>
#include <cstdint>

#include "random/RandomSource.h"

namespace quendaro {

// The seed of a lair's contents, taken from the lair's own draws: while it
// lives it watches every roll of the main source and folds it, with where
// in the sequence it came, into the seed. So the contents follow from the
// main sequence (a seeded run gives the same contents every time) and yet
// draw nothing from it: the lair and every later draw stay what they would
// be without them.
//
// The source has one observer; a seed takes its place while it lives and
// leaves none behind. Only a lair's generation is watched.
class ContentsSeed final : public RollObserver {
 public:
  explicit ContentsSeed(RandomSource& main);
  ~ContentsSeed() override;
  ContentsSeed(const ContentsSeed&) = delete;
  ContentsSeed& operator=(const ContentsSeed&) = delete;

  // The seed of the draws seen so far.
  std::uint64_t Value() const;

  void OnReseed() override;
  void OnRoll(int count, int low, int result) override;

 private:
  RandomSource& main_;
  std::uint64_t hash_;
  std::size_t first_draw_;  // the source's count of draws at the start
};

}  // namespace quendaro
