#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quendaro {

// UTF-8 texts read one character at a time, and the characters that can fool
// a terminal or a reader: a control character moves the cursor or changes
// colours, a code of 0x80 to 0x9f is a control to an 8-bit terminal, and a
// bidirectional control makes a line read in another order than its bytes.
// The records and the command line both escape them with these.

// One character of a UTF-8 text: its code point and how many bytes it spans,
// or a length of 0 for a byte that starts no well-formed sequence (a lone,
// overlong or surrogate form).
struct Utf8Character {
  char32_t code_point;
  std::size_t length;
};

// The character that starts at byte `at` of `text`.
Utf8Character DecodeUtf8At(std::string_view text, std::size_t at);

// Whether `c` is a C0 or C1 control character, DEL or a bidirectional
// control (U+202A to U+202E, U+2066 to U+2069).
bool IsControlCharacter(char32_t c);

// `c`, of the Basic Multilingual Plane, as "\u" and four lower-case hex
// digits: "\u202e".
std::string UnicodeEscape(char32_t c);

}  // namespace quendaro
