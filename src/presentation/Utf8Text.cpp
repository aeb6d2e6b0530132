#include "presentation/Utf8Text.h"

#include <cstdio>

namespace quendaro {

Utf8Character DecodeUtf8At(std::string_view text, std::size_t at) {
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

bool IsControlCharacter(char32_t c) {
  return c < 0x20 || (c >= 0x7f && c <= 0x9f) || (c >= 0x202a && c <= 0x202e) ||
         (c >= 0x2066 && c <= 0x2069);
}

std::string UnicodeEscape(char32_t c) {
  char buffer[7];
  std::snprintf(buffer, sizeof buffer, "\\u%04x",
                static_cast<unsigned>(c) & 0xffffu);
  return buffer;
}

}  // namespace quendaro
