#include "presentation/Markup.h"

#include <charconv>
#include <cmath>

namespace quendaro {

std::string MarkdownText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\':
      case '|':
      case '*':
      case '_':
      case '`':
      case '[':
      case ']':
      case '<':
      case '>':
      case '#':
        out += '\\';
        out += c;
        break;
      case '\n':
      case '\r':
      case '\t':
        out += ' ';
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string HtmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

Json ShownNumber(float value) {
  char buffer[32];
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                    std::chars_format::general, 7);
  // from_chars, unlike strtod, reads the point whatever the C locale says.
  double shown = 0;
  std::from_chars(buffer, result.ptr, shown);
  if (shown == std::floor(shown) && std::fabs(shown) < 1e15) {
    return static_cast<long long>(shown);
  }
  return shown;
}

}  // namespace quendaro
