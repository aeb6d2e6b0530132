#pragma once

#include <string>
#include <string_view>

namespace quendaro::cli {

// Texts that came from the user's arguments, made safe to put in front of a
// terminal. A control character would move the cursor or change colours, so
// it is written as an escape instead ("\x1b"), never raw.

// `text` with every control character (C0, DEL, the C1 range of UTF-8)
// written as "\xNN" / "\u00NN"; line breaks too unless `keep_line_breaks`.
std::string EscapeControls(std::string_view text, bool keep_line_breaks);

// `text` escaped and quoted for an error message, cut to a readable length
// with an ellipsis: 'Elfo altissimo', 'aaaaaaaa…'.
std::string Quoted(std::string_view text);

}  // namespace quendaro::cli
