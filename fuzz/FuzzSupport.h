#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "random/RandomSource.h"

namespace quendaro::fuzzing {

// Ends the run with the broken promise spelled out, so that the crash report
// names the invariant and not just the line.
[[noreturn]] inline void Fail(std::string_view promise,
                              std::string_view detail = {}) {
  std::fprintf(stderr, "\nInvariant broken: %.*s\n  %.*s\n",
               static_cast<int>(promise.size()), promise.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline void Require(bool holds, std::string_view promise,
                    std::string_view detail = {}) {
  if (!holds) Fail(promise, detail);
}

// Reads the fuzzer's bytes front to back; past the end every read gives
// zeros, so that any input, the empty one included, is a valid case.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

  std::uint8_t TakeByte() {
    if (next_ >= bytes_.size()) return 0;
    return bytes_[next_++];
  }

  bool TakeBool() { return (TakeByte() & 1u) != 0; }

  std::uint64_t TakeUint64() {
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i) value = (value << 8u) | TakeByte();
    return value;
  }

  std::int32_t TakeInt32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8u) | TakeByte();
    return static_cast<std::int32_t>(value);
  }

  // Raw bytes, invalid UTF-8 and NULs included: a two-byte length, then
  // that many bytes or as many as are left.
  std::string TakeBytes() {
    const std::size_t wanted = (std::size_t{TakeByte()} << 8u) | TakeByte();
    const std::size_t length = std::min(wanted, bytes_.size() - next_);
    std::string text(reinterpret_cast<const char*>(bytes_.data() + next_),
                     length);
    next_ += length;
    return text;
  }

  // A text the way a user gives it: most often one of the choices of the
  // list (so that the fuzzer reaches the rules behind them), otherwise any
  // bytes.
  template <typename Choices>
  std::string TakeChoiceOrBytes(const Choices& choices) {
    const std::uint8_t selector = TakeByte();
    if (selector < 0xC0 && !std::empty(choices)) {
      return std::string(choices[selector % std::size(choices)]);
    }
    return TakeBytes();
  }

  // The bytes that are left, three to a draw, become the source's next draws:
  // the fuzzer then chooses every die, the smallest and largest draws
  // included, and the source goes on with its own sequence afterwards.
  void ScriptRemainingDraws(RandomSource& random) {
    std::vector<float> draws;
    while (bytes_.size() - next_ >= 3) {
      const std::uint32_t bits = (std::uint32_t{TakeByte()} << 16u) |
                                 (std::uint32_t{TakeByte()} << 8u) | TakeByte();
      draws.push_back(static_cast<float>(bits) * 0x1p-24f);
    }
    random.ScriptDraws(std::move(draws));
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t next_ = 0;
};

// The clock a harness's source reads when reseeded: set from the input, so
// that a crash replays exactly.
inline std::uint64_t& ClockReading() {
  static std::uint64_t reading = 0;
  return reading;
}
inline std::uint64_t FuzzClock() { return ClockReading(); }

// A source whose clock, seed and first draws all come from the input; call
// it last, since the draws take every byte that is left.
inline std::unique_ptr<RandomSource> SourceFrom(FuzzInput& input) {
  ClockReading() = input.TakeUint64();
  auto random = std::make_unique<RandomSource>(input.TakeUint64(), &FuzzClock);
  input.ScriptRemainingDraws(*random);
  return random;
}

// Every roll a generation makes, in order.
struct RecordedRoll {
  int count;
  int low;
  int result;
};

class RollRecorder : public RollObserver {
 public:
  void OnReseed() override { ++reseeds; }
  void OnRoll(int count, int low, int result) override {
    rolls.push_back({count, low, result});
  }

  std::vector<RecordedRoll> rolls;
  int reseeds = 0;
};

// Hands out the recorded rolls in order and fails when the generator made a
// roll other than the one its rules call for next.
class RollReplay {
 public:
  explicit RollReplay(const std::vector<RecordedRoll>& rolls) : rolls_(rolls) {}

  int Expect(int count, int low, std::string_view what) {
    Require(next_ < rolls_.size(), "a roll the rules call for was not made",
            what);
    const RecordedRoll& roll = rolls_[next_++];
    Require(roll.count == count && roll.low == low,
            "the rolls came in another order or over another range", what);
    Require(roll.result >= low && roll.result < low + count,
            "a roll fell outside its range", what);
    return roll.result;
  }

  void ExpectEnd() const {
    Require(next_ == rolls_.size(), "a roll the rules do not call for");
  }

 private:
  const std::vector<RecordedRoll>& rolls_;
  std::size_t next_ = 0;
};

// Plain decimal digits as the windows show whole numbers, and their value.
inline bool IsWholeText(std::string_view text) {
  if (text.empty() || text.size() > 9) return false;
  if (text.size() > 1 && text.front() == '0') return false;
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

inline int WholeValue(std::string_view text) {
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

}  // namespace quendaro::fuzzing
