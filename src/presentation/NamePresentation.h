#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "names/NameGenerator.h"
#include "presentation/JsonFields.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro {

// The warning if any, then "Nome: " and the name.
std::string PlainText(const NameResult& result);
std::string Markdown(const NameResult& result);

// The name's fields, once, in the order and shape of its record's
// "result" (ResultJson writes them).
void VisitResult(const NameResult& result, ResultFields& fields);
Json DisplayJson(const NameResult& result);
Json Record(const NameResult& result, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
