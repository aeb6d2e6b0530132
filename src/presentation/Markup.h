#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace quendaro {

// Every record keeps its keys in the order written, so that a reader finds
// "schema" first and the fields in the order the window shows them.
using Json = nlohmann::ordered_json;

// Small pieces shared by every result's Markdown, printed sheet and JSON.

// A text safe inside a Markdown table cell or paragraph: the characters that
// Markdown reads as markup are escaped with a backslash, and line breaks
// become blanks so that a typed name cannot break a table row.
std::string MarkdownText(std::string_view text);

// A text safe inside HTML element content and attribute values.
std::string HtmlText(std::string_view text);

// A single-precision value as a JSON number with the seven significant digits
// the windows show, so 77 / 6 is 12.83333 and not 12.833333015441895.
Json ShownNumber(float value);

}  // namespace quendaro
