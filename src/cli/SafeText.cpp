#include "cli/SafeText.h"

#include <cstdio>

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

// How many bytes the UTF-8 sequence starting at `text[at]` spans, 1 for a
// byte that starts none.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 1;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
  }
  if (at + length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xc0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

std::string EscapeControls(std::string_view text, bool keep_line_breaks) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte == '\n' && keep_line_breaks) {
      out += '\n';
      ++at;
    } else if (byte < 0x20 || byte == 0x7f) {
      out += Hex(byte);
      ++at;
    } else if (byte == 0xc2 && at + 1 < text.size() &&
               static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[at + 1]) <= 0x9f) {
      // U+0080 to U+009F: terminals read these as control codes too.
      char buffer[7];
      std::snprintf(buffer, sizeof buffer, "\\u%04x",
                    static_cast<unsigned char>(text[at + 1]));
      out += buffer;
      at += 2;
    } else {
      out += text[at];
      ++at;
    }
  }
  return out;
}

std::string Quoted(std::string_view text) {
  std::size_t end = 0;
  std::size_t characters = 0;
  while (end < text.size() && characters < kQuotedLength) {
    end += SequenceLength(text, end);
    ++characters;
  }
  std::string quoted = "'" + EscapeControls(text.substr(0, end), false);
  if (end < text.size()) quoted += "…";
  return quoted + "'";
}

}  // namespace quendaro::cli
