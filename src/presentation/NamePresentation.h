#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "names/NameGenerator.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro {

// The warning if any, then "Nome: " and the name.
std::string PlainText(const NameResult& result);
std::string Markdown(const NameResult& result);

Json ResultJson(const NameResult& result);
// The values of ResultJson, one at a time, without building it.
void VisitResult(const NameResult& result, ResultFields& fields);
Json DisplayJson(const NameResult& result);
Json Record(const NameResult& result, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
