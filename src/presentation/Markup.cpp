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

std::string HtmlDocument(std::string_view title, std::string_view body) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"it\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>";
  html += HtmlText(title);
  html +=
      "</title>\n<style>\n"
      "body { font-family: 'Liberation Serif', serif; font-size: 11pt; }\n"
      "h1 { font-size: 18pt; color: #800000; margin-bottom: 4pt; }\n"
      "h2 { font-size: 13pt; color: #800000; margin-top: 10pt; "
      "margin-bottom: 3pt; }\n"
      "table { border-collapse: collapse; margin-bottom: 6pt; }\n"
      "th { background-color: #f0e6c8; font-weight: bold; text-align: left; "
      "padding: 2pt 5pt; }\n"
      "td { padding: 2pt 5pt; }\n"
      "p.note { color: #800000; }\n"
      "</style>\n</head>\n<body>\n";
  html += body;
  html += "</body>\n</html>\n";
  return html;
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

Json NumberOrNull(std::optional<double> value) {
  if (!value || !std::isfinite(*value)) return nullptr;
  if (*value == std::floor(*value) && std::fabs(*value) < 1e15) {
    return static_cast<long long>(*value);
  }
  return *value;
}

Json TextOrNull(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) return nullptr;
  return std::string(text);
}

}  // namespace quendaro
