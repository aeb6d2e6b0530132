#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "presentation/JsonFields.h"
#include "presentation/Markup.h"
#include "presentation/ResultFields.h"
#include "treasure/TreasureResult.h"

namespace quendaro {

// Every text the treasure window writes after "Genera tesoro".
struct TreasureWindowTexts {
  // Indexed by TreasureKind; always a number after a generation.
  std::array<std::string, kTreasureKindCount> totals;
  // Indexed by type A to I; empty when the type has no magic items.
  std::array<std::string, kTreasureTypeCount> magic_lines;
};

// "A" .. "I".
std::string_view TreasureTypeLetter(int type);

// A total's caption in the treasure window.
struct TreasureTotalCaption {
  TreasureKind kind;
  std::string_view caption;  // "Monete di rame" ...
};

// The six totals as the treasure window lists them, top to bottom: copper,
// gold, silver, platinum/electrum, gems, art objects.
std::span<const TreasureTotalCaption> TreasureTotalCaptions();

TreasureWindowTexts WindowTexts(const TreasureResult& result);

std::string PlainText(const TreasureResult& result);
std::string Markdown(const TreasureResult& result);

// The lair's fields, once, in the order and shape of its record's
// "result" (ResultJson writes them).
void VisitResult(const TreasureResult& result, ResultFields& fields);
Json DisplayJson(const TreasureResult& result);
Json Record(const TreasureResult& result, std::optional<std::int64_t> seed,
            std::uint64_t index);

}  // namespace quendaro
