#include "cli/SafeText.h"

#include <cstdint>
#include <cstdio>

namespace quendaro::cli {

namespace {

// Long enough for any race, class or number; a longer value is a mistake
// the user recognises from its start.
constexpr std::size_t kQuotedLength = 48;

// One character of a UTF-8 text: its code point and how many bytes it
// spans, or a length of 0 for a byte that starts no well-formed sequence.
struct Decoded {
  char32_t code_point;
  std::size_t length;
};

Decoded DecodeAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return static_cast<unsigned char>(text[at + i]);
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t code_point = 0;
  // The range the second byte must fall in excludes the overlong forms and
  // the surrogates.
  unsigned char low = 0x80;
  unsigned char high = 0xbf;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
    code_point = lead & 0x1fu;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    code_point = lead & 0x0fu;
    if (lead == 0xe0) low = 0xa0;
    if (lead == 0xed) high = 0x9f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    code_point = lead & 0x07u;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;
  } else {
    return {0, 0};
  }
  if (at + length > text.size()) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(i);
    const unsigned char first_low = i == 1 ? low : 0x80;
    const unsigned char first_high = i == 1 ? high : 0xbf;
    if (next < first_low || next > first_high) return {0, 0};
    code_point = (code_point << 6) | (next & 0x3fu);
  }
  return {code_point, length};
}

bool IsBidiControl(char32_t c) {
  return (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7f && c <= 0x9f) || IsBidiControl(c);
}

std::string Hex(unsigned char byte) {
  char buffer[5];
  std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
  return buffer;
}

std::string Unicode(char32_t c) {
  char buffer[7];
  std::snprintf(buffer, sizeof buffer, "\\u%04x",
                static_cast<unsigned>(c) & 0xffffu);
  return buffer;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Decoded decoded = DecodeAt(text, at);
    if (decoded.length == 0) return false;
    at += decoded.length;
  }
  return true;
}

bool HoldsControls(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const Decoded decoded = DecodeAt(text, at);
    if (decoded.length > 0 && IsControl(decoded.code_point)) return true;
    at += decoded.length == 0 ? 1 : decoded.length;
  }
  return false;
}

std::string EscapeControls(std::string_view text, bool keep_line_breaks) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Decoded decoded = DecodeAt(text, at);
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
    } else if (IsControl(c)) {
      out += Unicode(c);
    } else {
      out.append(text.substr(at, decoded.length));
    }
    at += decoded.length;
  }
  return out;
}

std::string EscapeJsonControls(std::string json) {
  // Most records hold nothing above 0x7e: one pass over the bytes finds
  // that, and the record goes out untouched.
  bool plain = true;
  for (char c : json) {
    if (static_cast<unsigned char>(c) >= 0x7f) {
      plain = false;
      break;
    }
  }
  if (plain) return json;
  std::string out;
  out.reserve(json.size());
  for (std::size_t at = 0; at < json.size();) {
    const Decoded decoded = DecodeAt(json, at);
    const std::size_t length = decoded.length == 0 ? 1 : decoded.length;
    if (decoded.length > 0 && decoded.code_point >= 0x7f &&
        IsControl(decoded.code_point)) {
      out += Unicode(decoded.code_point);
    } else {
      out.append(json, at, length);
    }
    at += length;
  }
  return out;
}

std::string Quoted(std::string_view text) {
  std::size_t end = 0;
  std::size_t characters = 0;
  while (end < text.size() && characters < kQuotedLength) {
    const std::size_t length = DecodeAt(text, end).length;
    end += length == 0 ? 1 : length;
    ++characters;
  }
  std::string quoted = "'" + EscapeControls(text.substr(0, end), false);
  if (end < text.size()) quoted += "…";
  return quoted + "'";
}

}  // namespace quendaro::cli
