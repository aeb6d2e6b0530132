#include "cli/SafeText.h"

#include <cstdio>

#include "presentation/Utf8Text.h"

namespace quendaro::cli {

namespace {

// Long enough for any race, class or number; a longer value is a mistake
// the user recognises from its start.
constexpr std::size_t kQuotedLength = 48;

std::string Hex(unsigned char byte) {
  char buffer[5];
  std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
  return buffer;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character decoded = DecodeUtf8At(text, at);
    if (decoded.length == 0) return false;
    at += decoded.length;
  }
  return true;
}

bool HoldsControls(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character decoded = DecodeUtf8At(text, at);
    if (decoded.length > 0 && IsControlCharacter(decoded.code_point))
      return true;
    at += decoded.length == 0 ? 1 : decoded.length;
  }
  return false;
}

std::string EscapeControls(std::string_view text, bool keep_line_breaks) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character decoded = DecodeUtf8At(text, at);
    if (decoded.length == 0) {
      out += Hex(static_cast<unsigned char>(text[at]));
      ++at;
      continue;
    }
    const char32_t c = decoded.code_point;
    if (c == '\n' && keep_line_breaks) {
      out += '\n';
    } else if (c < 0x20 || c == 0x7f) {
      out += Hex(static_cast<unsigned char>(c));
    } else if (IsControlCharacter(c)) {
      out += UnicodeEscape(c);
    } else {
      out.append(text.substr(at, decoded.length));
    }
    at += decoded.length;
  }
  return out;
}

std::string Quoted(std::string_view text) {
  std::size_t end = 0;
  std::size_t characters = 0;
  while (end < text.size() && characters < kQuotedLength) {
    const std::size_t length = DecodeUtf8At(text, end).length;
    end += length == 0 ? 1 : length;
    ++characters;
  }
  std::string quoted = "'" + EscapeControls(text.substr(0, end), false);
  if (end < text.size()) quoted += "…";
  return quoted + "'";
}

}  // namespace quendaro::cli
