#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "random/RandomState.h"
#include "random/RollLog.h"

namespace quendaro {

// Watches the rolls of a RandomSource, so that a caller can show how a result
// came about ("Roll(100, 1) = 87"). The source calls it after every roll and
// every reseed; with no observer set, watching costs one untaken branch.
class RollObserver {
 public:
  virtual ~RollObserver() = default;
  virtual void OnReseed() = 0;
  virtual void OnRoll(int count, int low, int result) = 0;
};

// The program's one source of chance. Every generator draws from the same
// instance, so a roll in one window moves the sequence for all the others.
//
// A draw is a single-precision value in [0, 1) with a granularity of 2^-24:
// the top 24 bits of a PCG32 output divided by 2^24, so every draw is exact in
// a float and strictly below 1. A roll is one draw stretched over a range of
// whole numbers; no roll ever sums dice.
//
// The source starts from a fixed state, so that a run is reproducible until
// someone reseeds it. Reseed mixes the time of day into the state. A front end
// marks each generation with BeginGeneration, which keeps the state it starts
// from and the one clock reading its reseeds use, so that Restore can roll it
// again.
class RandomSource {
 public:
  // Nanoseconds of the wall clock. Injectable so that a test or a
  // reproducible run can freeze time.
  using Clock = std::uint64_t (*)();

  static constexpr float kLargestDraw = 1.0f - 0x1p-24f;

  // The fixed initial state, read from the system clock when reseeded.
  RandomSource();
  // A state derived from `seed`; `clock` is what Reseed reads.
  explicit RandomSource(std::uint64_t seed, Clock clock = &SystemClock);

  RandomSource(const RandomSource&) = delete;
  RandomSource& operator=(const RandomSource&) = delete;

  // The next draw r, 0 <= r < 1. Here, like the rolls, so that a generator's
  // many draws cost no calls.
  float Next() {
    ++draw_count_;
    if (script_next_ < script_.size()) return script_[script_next_++];
    // 24 bits fit a float's significand exactly, so r * 2^-24 is exact and
    // the largest draw is 1 - 2^-24.
    return static_cast<float>(NextBits() >> 8u) * 0x1p-24f;
  }

  // Mixes the clock into the state. The result depends on both the time and
  // the prior state, so reseeds within one clock tick still move apart.
  // Within a generation marked by BeginGeneration or Restore, every reseed
  // reads that generation's time instead of the clock.
  void Reseed();

  // Starts a generation: reads the clock once for all of its reseeds and
  // returns the state it starts from, for its record.
  RandomState BeginGeneration();

  // Where the sequence stands now, without starting a generation.
  RandomState State() const {
    return RandomState{state_, increment_, generation_time_.value_or(0)};
  }

  // Puts the source back into `state`, as at the start of the generation
  // that BeginGeneration returned it for, and stops its clock at the state's
  // time: that generation follows draw for draw, and every later one as a
  // run frozen at that time would roll it.
  void Restore(const RandomState& state);

  // Mixes eight bytes of the operating system's entropy (getrandom) into the
  // state, so that a start without a seed cannot be guessed from the clock.
  // False, with the state untouched, when the system has none to give.
  bool MixEntropy();

  // Int(r * count + low) for one fresh draw r: a whole number in
  // low .. low + count - 1, each equally likely. The product and the sum are
  // taken in double precision from the single-precision draw.
  int Roll(int count, int low) {
    assert(count >= 1 && "a roll needs at least one face");
    assert(low >= 0 && "rolls start at zero or above");
    const float r = Next();
    const double x = static_cast<double>(r) * count + low;
    // x is never negative, so truncating it is Int(x), the floor, and
    // cheaper than a call of floor without SSE4.1.
    const int result = static_cast<int>(x);
    if (observer_ != nullptr) observer_->OnRoll(count, low, result);
    return result;
  }

  // Roll(high - low + 1, low), for ranges whose bounds are data.
  int RollBetween(int low, int high) {
    assert(low <= high && "an empty range");
    return Roll(high - low + 1, low);
  }

  // The same rolls, recorded in the attached log under the caption that
  // `label()` returns. The label is made only when a log listens, so a
  // generation nobody audits builds no text.
  template <typename Label>
  int Roll(int count, int low, Label&& label) {
    const int result = Roll(count, low);
    if (log_ != nullptr) Record(label, count, low, result);
    return result;
  }
  template <typename Label>
  int RollBetween(int low, int high, Label&& label) {
    return Roll(high - low + 1, low, std::forward<Label>(label));
  }

  void SetObserver(RollObserver* observer) { observer_ = observer; }

  // The log that labelled rolls and the generators' rules write into; none
  // by default.
  void SetLog(RollLog* log) { log_ = log; }
  RollLog* Log() const { return log_; }

  // For tests: the following draws are exactly `draws`, in order; once they
  // are used up the source goes on with its own sequence. Reseeds leave a
  // script untouched.
  void ScriptDraws(std::vector<float> draws);
  std::size_t ScriptedDrawsLeft() const {
    return script_.size() - script_next_;
  }

  // How many draws and reseeds the source has made so far.
  std::size_t DrawCount() const { return draw_count_; }
  std::size_t ReseedCount() const { return reseed_count_; }

  static std::uint64_t SystemClock();

 private:
  // Writes a labelled roll into the log; apart, so that the roll nobody
  // audits stays small enough to be inlined.
  template <typename Label>
  [[gnu::noinline]] void Record(Label& label, int count, int low, int result) {
    log_->Draw(label(), low, low + count - 1, result);
  }

  // PCG32 (O'Neill, "PCG: A Family of Simple Fast Space-Efficient
  // Statistically Good Algorithms for Random Number Generation"): a 64-bit
  // LCG whose output is permuted by a xorshift and a random rotation.
  static constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
  std::uint32_t NextBits() {
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + increment_;
    const auto xorshifted =
        static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorshifted >> rotation) | (xorshifted << ((32u - rotation) & 31u));
  }

  std::uint64_t state_ = 0;
  std::uint64_t increment_ = 0;
  Clock clock_;
  // The clock reading of the generation under way; none before the first.
  std::optional<std::uint64_t> generation_time_;
  bool clock_stopped_ = false;  // by Restore
  RollObserver* observer_ = nullptr;
  RollLog* log_ = nullptr;
  std::vector<float> script_;
  std::size_t script_next_ = 0;
  std::size_t draw_count_ = 0;
  std::size_t reseed_count_ = 0;
};

// Attaches a log of its own to a source for as long as it lives, and puts
// back the log the source had before: a window holds one across its call to
// a generator.
class ScopedRollLog {
 public:
  explicit ScopedRollLog(RandomSource& random)
      : random_(random), previous_(random.Log()) {
    random.SetLog(&log_);
  }
  ~ScopedRollLog() { random_.SetLog(previous_); }
  ScopedRollLog(const ScopedRollLog&) = delete;
  ScopedRollLog& operator=(const ScopedRollLog&) = delete;

  std::vector<RollStep> Take() { return log_.Take(); }

 private:
  RandomSource& random_;
  RollLog* previous_;
  RollLog log_;
};

}  // namespace quendaro
