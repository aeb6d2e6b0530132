#pragma once

#include <string>
#include <vector>

#include "presentation/Markup.h"
#include "random/RollLog.h"

namespace quendaro {

// The step's caption and, for a rule, what it did: "FORZA",
// "COSTITUZIONE: minimo di <classe>".
std::string StepLabel(const RollStep& step);

// The step as one line a game master reads: "FORZA: tiro fra 3 e 18 → 11",
// "COSTITUZIONE: minimo di <classe> 8 → 10".
std::string StepText(const RollStep& step);

// Every step's line, each ending with a line break.
std::string StepsText(const std::vector<RollStep>& steps);

// The steps as Markdown: a heading and one bullet per step.
std::string StepsMarkdown(const std::vector<RollStep>& steps);

// The "rolls" of a record: one object per step, {"step": label,
// "kind": "draw" or "rule", "value": number, text or null}; a draw also has
// its "low" and "high", a rule that changed a value its "before".
Json StepsJson(const std::vector<RollStep>& steps);

}  // namespace quendaro
