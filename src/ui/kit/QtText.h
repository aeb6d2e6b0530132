#pragma once

#include <QString>
#include <string_view>

namespace quendaro {

// The program's texts are UTF-8 literals and generator results; a window
// shows them through this one conversion.
inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quendaro
