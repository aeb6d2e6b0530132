#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quendaro {

// A step of a generation is either a draw of the dice or a rule of the game
// that changed, looked up or refused something.
enum class RollStepKind { kDraw, kRule };

// What a step ends with: a roll or a score, a text (an age category, a
// syllable, a table line), or nothing when a rule took a value away.
using StepValue = std::variant<std::monostate, int, std::string>;

// One step as the game master checks it by hand.
struct RollStep {
  RollStepKind kind = RollStepKind::kDraw;
  // What the step is about, named with the window's caption: "FORZA",
  // "Tesoro A: rame, quantità", "PF".
  std::string subject;
  // For a rule, what it did: "minimo di <classe>". Empty for a draw.
  std::string rule;
  // A draw's range, both ends included.
  int low = 0;
  int high = 0;
  // For a rule that changed a value, the value before it; empty otherwise.
  StepValue before;
  // The roll, or what the rule left.
  StepValue value;

  friend bool operator==(const RollStep&, const RollStep&) = default;
};

// The steps of one generation, in the order they happened. A generator
// records into it only when one is attached to the random source (or handed
// to a rule); with none, recording costs one untaken branch and builds no
// text. Reseeds are not steps: they change no result a game master can check.
class RollLog {
 public:
  void Draw(std::string subject, int low, int high, int value) {
    steps_.push_back(RollStep{
        RollStepKind::kDraw, std::move(subject), {}, low, high, {}, value});
  }

  void Rule(std::string subject, std::string rule, StepValue before,
            StepValue after) {
    steps_.push_back(RollStep{RollStepKind::kRule, std::move(subject),
                              std::move(rule), 0, 0, std::move(before),
                              std::move(after)});
  }

  const std::vector<RollStep>& Steps() const { return steps_; }
  bool Empty() const { return steps_.empty(); }

  // Hands the steps over and starts afresh for the next generation.
  std::vector<RollStep> Take() { return std::exchange(steps_, {}); }

 private:
  std::vector<RollStep> steps_;
};

// The label of a labelled roll whose caption is a fixed text: the text is
// copied only when a log asks for it.
inline auto LabelOf(std::string_view caption) {
  return [caption] { return std::string(caption); };
}

}  // namespace quendaro
