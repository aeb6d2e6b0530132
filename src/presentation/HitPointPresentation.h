#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "hitpoints/HitPointRoller.h"
#include "presentation/JsonFields.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro {

// The text of the row's hit-point box: the hit points, or empty when the
// level was not one from 1 to 20.
std::string WindowText(const HitPointResult& result);

std::string PlainText(const HitPointResult& result);
std::string Markdown(const HitPointResult& result);

// The hit-point roll's fields, once, in the order and shape of its record's
// "result" (ResultJson writes them).
void VisitResult(const HitPointResult& result, ResultFields& fields);
Json DisplayJson(const HitPointResult& result);
Json Record(const HitPointResult& result, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
