#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "presentation/Markup.h"
#include "random/RandomState.h"

namespace quendaro {

// The version of the record layout below. A record of another schema is not
// read as this one.
inline constexpr int kRecordSchema = 1;

// One generation as a JSON record, the same for the command line, the saved
// files and the history:
//   {"schema": 1, "generator": "character", "seed": 42 or null,
//    "state": "1_…" (see WithState), "index": 0, "result": {...},
//    "display": {...}}
// `result` holds the values (numbers as numbers, missing values as null);
// `display` the texts the window shows, with the decimal point.
Json MakeRecord(std::string_view generator, std::optional<std::int64_t> seed,
                std::uint64_t index, Json result, Json display);

// `record` with "state" after "seed": the random source's state just before
// the generation, as StateText writes it, from which --state rolls the same
// result again.
Json WithState(Json record, const RandomState& state);

// One line of JSON: no blanks between tokens, UTF-8, with any byte that is
// not valid UTF-8 written as U+FFFD, so whatever a user typed the line stays
// valid JSON, and the controls EscapeJsonControls names written as escapes.
// Every record leaves through it: the command line's, the copied and the
// saved ones alike.
std::string JsonLine(const Json& value);

// A JSON text with DEL, the C1 controls and the bidirectional controls, which
// JSON may carry raw, written as "\u" escapes, so that a name typed with one
// neither steers a terminal nor reorders a line for its reader. JSON has no
// such character outside its strings, so the text stays the same JSON.
std::string EscapeJsonControls(std::string json);

}  // namespace quendaro
