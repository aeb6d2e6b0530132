#include "random/RandomSource.h"

#include <sys/random.h>

#include <cassert>
#include <chrono>
#include <utility>

#include "random/MixBits.h"

namespace quendaro {

namespace {

// The reference implementation's demonstration seed: any fixed pair would do.
constexpr std::uint64_t kInitialState = 0x853c49e6748fea9bULL;
constexpr std::uint64_t kInitialStream = 0xda3e39cb94b95bdbULL;

}  // namespace

RandomSource::RandomSource() : clock_(&SystemClock) {
  // PCG32's own seeding procedure, so that the fixed state is the published
  // one.
  increment_ = (kInitialStream << 1u) | 1u;
  NextBits();
  state_ += kInitialState;
  NextBits();
}

RandomSource::RandomSource(std::uint64_t seed, Clock clock) : clock_(clock) {
  increment_ = (MixBits(seed ^ kInitialStream) << 1u) | 1u;
  state_ = MixBits(seed);
  NextBits();
}

std::uint64_t RandomSource::SystemClock() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<nanoseconds>(system_clock::now().time_since_epoch())
          .count());
}

void RandomSource::Reseed() {
  ++reseed_count_;
  // XOR before mixing: two reseeds with the same clock reading start from
  // different states, and MixBits keeps them apart.
  const std::uint64_t now = generation_time_ ? *generation_time_ : clock_();
  state_ = MixBits(state_ ^ MixBits(now));
  NextBits();
  if (observer_ != nullptr) observer_->OnReseed();
}

RandomState RandomSource::BeginGeneration() {
  if (!clock_stopped_) generation_time_ = clock_();
  return RandomState{state_, increment_, *generation_time_};
}

void RandomSource::Restore(const RandomState& state) {
  assert(state.increment % 2 == 1 && "a PCG stream is odd");
  state_ = state.state;
  increment_ = state.increment;
  generation_time_ = state.time;
  clock_stopped_ = true;
}

bool RandomSource::MixEntropy() {
  std::uint64_t entropy = 0;
  // Never blocks: a system still gathering entropy at boot gives none, and
  // the clock alone seeds the run as before.
  if (getrandom(&entropy, sizeof entropy, GRND_NONBLOCK) !=
      static_cast<ssize_t>(sizeof entropy)) {
    return false;
  }
  state_ = MixBits(state_ ^ MixBits(entropy));
  increment_ = (MixBits(increment_ ^ entropy) << 1u) | 1u;
  NextBits();
  return true;
}

void RandomSource::ScriptDraws(std::vector<float> draws) {
  for ([[maybe_unused]] float r : draws) {
    assert(r >= 0.0f && r < 1.0f && "a draw lies in [0, 1)");
  }
  script_ = std::move(draws);
  script_next_ = 0;
}

}  // namespace quendaro
