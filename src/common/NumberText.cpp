#include "common/NumberText.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
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

  // Most texts are a few digits ("20", "175"): read them as a whole number,
  // which is exactly the double that from_chars would give.
  {
    constexpr std::size_t kExactDigits = 15;
    const bool negative = !text.empty() && text.front() == '-';
    std::string_view digits_only = text;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
      digits_only.remove_prefix(1);
    }
    if (!digits_only.empty() && digits_only.size() <= kExactDigits &&
        std::all_of(digits_only.begin(), digits_only.end(), IsDigit)) {
      std::int64_t whole = 0;
      for (char c : digits_only) whole = whole * 10 + (c - '0');
      const auto value = static_cast<double>(whole);
      return negative ? -value : value;
    }
  }

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
