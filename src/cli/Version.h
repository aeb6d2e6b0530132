#pragma once

#include <string>

namespace quendaro::cli {

// The version of this build of the tool, the program's own name and
// version ("Quendaro 32 1.00 C") and its licence, one to a line.
std::string VersionText();

}  // namespace quendaro::cli
