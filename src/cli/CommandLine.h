#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/Subcommand.h"

namespace quendaro::cli {

// How each result is written.
enum class OutputFormat {
  kText,      // the windows' captions and values
  kMarkdown,  // headings and tables to paste into notes
  kJson,      // one record per line (JSON Lines)
};

// What the user asked for, read from argv before anything is generated, so
// that a usage error leaves standard output untouched.
struct Invocation {
  Subcommand* subcommand = nullptr;  // null for the bare --help / --version
  int count = 1;
  std::optional<std::int64_t> seed;
  OutputFormat format = OutputFormat::kText;
  bool stats = false;
  bool explain = false;
  bool help = false;
  bool version = false;
};

struct UsageError {
  std::string message;
};

inline constexpr int kMaxCount = 100000;

// Reads argv[1..]. The subcommand comes first; its options and the common
// ones may follow in any order, as "--name value" or "--name=value".
std::variant<Invocation, UsageError> ParseCommandLine(
    const std::vector<std::string>& arguments,
    const std::vector<std::unique_ptr<Subcommand>>& subcommands);

}  // namespace quendaro::cli
