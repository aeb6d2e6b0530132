#include "random/RollLog.h"

#include <string>
#include <variant>

namespace quendaro {
namespace {

std::string ValueText(const StepValue& value) {
  if (const int* number = std::get_if<int>(&value)) {
    return std::to_string(*number);
  }
  if (const std::string* text = std::get_if<std::string>(&value)) {
    return *text;
  }
  return "nessun valore";
}

}  // namespace

std::string StepLabel(const RollStep& step) {
  if (step.kind == RollStepKind::kDraw || step.rule.empty()) {
    return step.subject;
  }
  return step.subject + ": " + step.rule;
}

std::string StepText(const RollStep& step) {
  switch (step.kind) {
    case RollStepKind::kDraw:
      return step.subject + ": tiro fra " + std::to_string(step.low) + " e " +
             std::to_string(step.high) + " → " + ValueText(step.value);
    case RollStepKind::kRule: {
      std::string text = StepLabel(step);
      const bool has_before =
          !std::holds_alternative<std::monostate>(step.before);
      if (has_before) text += " " + ValueText(step.before);
      if (has_before || !std::holds_alternative<std::monostate>(step.value)) {
        text += " → " + ValueText(step.value);
      }
      return text;
    }
  }
  return {};
}

}  // namespace quendaro
