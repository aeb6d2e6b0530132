#include "common/NumberText.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>

namespace quendaro {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string WholeText(int value) { return std::to_string(value); }

std::string SingleText(float value, char decimal_separator) {
  char buffer[32];
  // Seven significant digits, trailing zeros and a bare point dropped, as
  // printf's %.7g but independent of the C locale that Qt sets up.
  const std::to_chars_result result =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                    std::chars_format::general, 7);
  assert(result.ec == std::errc() && "32 characters hold any float");
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == '.') c = decimal_separator;
  }
  return text;
}

std::optional<double> ParseNumber(std::string_view text,
                                  char decimal_separator) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  std::string plain;  // the number as from_chars reads it
  std::size_t digits = 0;
  bool seen_separator = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      plain += c;
      ++digits;
    } else if ((c == '+' || c == '-') && i == 0) {
      if (c == '-') plain += c;
    } else if (c == decimal_separator && !seen_separator) {
      plain += '.';
      seen_separator = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;

  double value = 0;
  const auto [end, error] =
      std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> ParseWholeNumber(std::string_view text,
                                    char decimal_separator) {
  const std::optional<double> value = ParseNumber(text, decimal_separator);
  if (!value || std::trunc(*value) != *value ||
      std::fabs(*value) > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(*value);
}

}  // namespace quendaro
