#include "random/RandomSource.h"

#include <sys/random.h>

#include <cassert>
#include <chrono>
#include <cmath>
#include <utility>

namespace quendaro {

namespace {

// PCG32 (O'Neill, "PCG: A Family of Simple Fast Space-Efficient Statistically
// Good Algorithms for Random Number Generation"): a 64-bit LCG whose output is
// permuted by a xorshift and a random rotation.
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;

// The reference implementation's demonstration seed: any fixed pair would do.
constexpr std::uint64_t kInitialState = 0x853c49e6748fea9bULL;
constexpr std::uint64_t kInitialStream = 0xda3e39cb94b95bdbULL;

// SplitMix64's finaliser: a bijection that spreads every input bit over the
// whole word, used to fold clock readings and seeds into the state.
constexpr std::uint64_t Mix(std::uint64_t z) {
  z += 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

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
  increment_ = (Mix(seed ^ kInitialStream) << 1u) | 1u;
  state_ = Mix(seed);
  NextBits();
}

std::uint64_t RandomSource::SystemClock() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<nanoseconds>(system_clock::now().time_since_epoch())
          .count());
}

std::uint32_t RandomSource::NextBits() {
  const std::uint64_t old = state_;
  state_ = old * kMultiplier + increment_;
  const auto xorshifted =
      static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rotation = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rotation) | (xorshifted << ((32u - rotation) & 31u));
}

float RandomSource::Next() {
  ++draw_count_;
  if (script_next_ < script_.size()) return script_[script_next_++];
  // 24 bits fit a float's significand exactly, so r * 2^-24 is exact and the
  // largest draw is 1 - 2^-24.
  return static_cast<float>(NextBits() >> 8u) * 0x1p-24f;
}

void RandomSource::Reseed() {
  ++reseed_count_;
  // XOR before mixing: two reseeds with the same clock reading start from
  // different states, and Mix keeps them apart.
  state_ = Mix(state_ ^ Mix(clock_()));
  NextBits();
  if (observer_ != nullptr) observer_->OnReseed();
}

bool RandomSource::MixEntropy() {
  std::uint64_t entropy = 0;
  // Never blocks: a system still gathering entropy at boot gives none, and
  // the clock alone seeds the run as before.
  if (getrandom(&entropy, sizeof entropy, GRND_NONBLOCK) !=
      static_cast<ssize_t>(sizeof entropy)) {
    return false;
  }
  state_ = Mix(state_ ^ Mix(entropy));
  increment_ = (Mix(increment_ ^ entropy) << 1u) | 1u;
  NextBits();
  return true;
}

int RandomSource::Roll(int count, int low) {
  assert(count >= 1 && "a roll needs at least one face");
  assert(low >= 0 && "rolls start at zero or above");
  const float r = Next();
  const double x = static_cast<double>(r) * count + low;
  const int result = static_cast<int>(std::floor(x));
  if (observer_ != nullptr) observer_->OnRoll(count, low, result);
  return result;
}

int RandomSource::RollBetween(int low, int high) {
  assert(low <= high && "an empty range");
  return Roll(high - low + 1, low);
}

void RandomSource::ScriptDraws(std::vector<float> draws) {
  for ([[maybe_unused]] float r : draws) {
    assert(r >= 0.0f && r < 1.0f && "a draw lies in [0, 1)");
  }
  script_ = std::move(draws);
  script_next_ = 0;
}

}  // namespace quendaro
