#pragma once

#include <string>
#include <string_view>

namespace quendaro::cli {

// Texts that came from the user's arguments, made safe to put in front of a
// terminal. A control character would move the cursor or change colours, a
// lone byte of 0x80 to 0x9f is a control code to an 8-bit terminal, and a
// bidirectional control makes a line read in another order than its bytes;
// each is written as an escape instead ("\x1b", "\u202e"), never raw.
// Records escape theirs in JsonLine.

// Whether `text` is well-formed UTF-8 (no lone, overlong or surrogate forms).
bool IsValidUtf8(std::string_view text);

// Whether `text` holds a C0 or C1 control character, DEL or a bidirectional
// control (U+202A to U+202E, U+2066 to U+2069); a line break counts.
bool HoldsControls(std::string_view text);

// `text` with every control character (C0, DEL, C1), every bidirectional
// control and every byte that is no UTF-8 written as "\xNN" or "\uNNNN";
// line breaks too unless `keep_line_breaks`.
std::string EscapeControls(std::string_view text, bool keep_line_breaks);

// `text` escaped and quoted for an error message, cut to a readable length
// with an ellipsis: 'Elfo altissimo', 'aaaaaaaa…'.
std::string Quoted(std::string_view text);

}  // namespace quendaro::cli
