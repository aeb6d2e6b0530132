#pragma once

#include <string>

namespace quendaro::cli {

// "Quendaro 32 1.00 C" and the version of this build of the tool.
std::string VersionText();

}  // namespace quendaro::cli
