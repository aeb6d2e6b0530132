#pragma once

#include <string>

namespace quendaro::cli {

// The version page in the GNU form: "quendaro-cli (Quendaro 32) 1.0.0", the
// copyright, the licence and the warranty, then the commit of this build.
std::string VersionText();

}  // namespace quendaro::cli
