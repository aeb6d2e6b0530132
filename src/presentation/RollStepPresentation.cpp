#include "presentation/RollStepPresentation.h"

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

bool HasValue(const StepValue& value) {
  return !std::holds_alternative<std::monostate>(value);
}

Json ValueJson(const StepValue& value) {
  if (const int* number = std::get_if<int>(&value)) return *number;
  if (const std::string* text = std::get_if<std::string>(&value)) {
    return *text;
  }
  return nullptr;
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
      if (HasValue(step.before)) text += " " + ValueText(step.before);
      if (HasValue(step.before) || HasValue(step.value)) {
        text += " → " + ValueText(step.value);
      }
      return text;
    }
  }
  return {};
}

std::string StepsText(const std::vector<RollStep>& steps) {
  std::string text;
  for (const RollStep& step : steps) text += StepText(step) + "\n";
  return text;
}

std::string StepsMarkdown(const std::vector<RollStep>& steps) {
  std::string md = "#### Tiri e regole\n\n";
  for (const RollStep& step : steps) {
    md += "- " + MarkdownText(StepText(step)) + "\n";
  }
  return md;
}

Json StepsJson(const std::vector<RollStep>& steps) {
  Json rolls = Json::array();
  for (const RollStep& step : steps) {
    Json item = {{"step", StepLabel(step)},
                 {"kind", step.kind == RollStepKind::kDraw ? "draw" : "rule"},
                 {"value", ValueJson(step.value)}};
    if (step.kind == RollStepKind::kDraw) {
      item["low"] = step.low;
      item["high"] = step.high;
    } else if (HasValue(step.before)) {
      item["before"] = ValueJson(step.before);
    }
    rolls.push_back(std::move(item));
  }
  return rolls;
}

}  // namespace quendaro
