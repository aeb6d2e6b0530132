#include "random/RandomState.h"

#include <array>
#include <charconv>
#include <cstddef>

namespace quendaro {

namespace {

constexpr std::string_view kLayout = "1_";
constexpr char kSeparator = '_';
constexpr std::size_t kHexDigits = 16;

std::string Hex(std::uint64_t value) {
  std::array<char, kHexDigits> digits{};
  const auto end =
      std::to_chars(digits.data(), digits.data() + digits.size(), value, 16)
          .ptr;
  return std::string(digits.data(), end);
}

// The whole of `text` as hexadecimal digits, at most sixteen after any
// leading zeros.
std::optional<std::uint64_t> ReadHex(std::string_view text) {
  if (text.empty()) return std::nullopt;
  while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
  if (text.size() > kHexDigits) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    int digit = 0;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * 16 + static_cast<std::uint64_t>(digit);
  }
  return value;
}

}  // namespace

std::string StateText(const RandomState& state) {
  return std::string(kLayout) + Hex(state.state) + kSeparator +
         Hex(state.increment) + kSeparator + Hex(state.time);
}

std::optional<RandomState> ReadStateText(std::string_view text) {
  if (!text.starts_with(kLayout)) return std::nullopt;
  text.remove_prefix(kLayout.size());
  std::array<std::uint64_t, 3> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const std::size_t dash = text.find(kSeparator);
    const bool last = i + 1 == numbers.size();
    if (last != (dash == std::string_view::npos)) return std::nullopt;
    const std::optional<std::uint64_t> number = ReadHex(text.substr(0, dash));
    if (!number) return std::nullopt;
    numbers[i] = *number;
    if (!last) text.remove_prefix(dash + 1);
  }
  // PCG's stream must be odd; an even one was never written by this program.
  if (numbers[1] % 2 == 0) return std::nullopt;
  return RandomState{numbers[0], numbers[1], numbers[2]};
}

}  // namespace quendaro
