#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/Subcommand.h"
#include "random/RandomState.h"

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
  Subcommand* subcommand = nullptr;  // null for the tool's own help, version
  std::int64_t count = 1;
  std::optional<std::int64_t> seed;
  // Where the first generation starts, as a record's "state" names it.
  std::optional<RandomState> state;
  OutputFormat format = OutputFormat::kText;
  bool stats = false;
  bool explain = false;
  bool as_typed = false;
  bool help = false;
  bool version = false;
};

// A command line the tool cannot read: one line, in the tool's words.
struct UsageError {
  std::string message;
};

// A command line the tool reads but whose request the game's rules refuse:
// the rules' own messages, then a hint where one helps.
struct RuleRefusal {
  std::vector<std::string> messages;
  std::string hint;
};

// The tool's generators, in the order the help lists them.
std::vector<std::unique_ptr<Subcommand>> AllSubcommands(char decimal_separator);

// The options every subcommand takes beside its own.
std::vector<Option> CommonOptions();

// How the tool ends, for the help and the manual page.
struct ExitStatus {
  std::string_view codes;  // "2", "129, 130, 143"
  std::string_view meaning;
};
std::span<const ExitStatus> ExitStatuses();

// What the tool is and how it reads its texts, paragraphs separated by a
// blank line: the head of the help and of the manual page.
std::string_view ToolDescription();

// Reads argv[1..]: the subcommand, then its options and the common ones in
// any order, as "--name value" or "--name=value"; "--" ends the options.
// --help and --version win wherever they stand. Never exits the process
// and never writes anything, so that any caller, a test included, can read
// any argument list.
std::variant<Invocation, UsageError, RuleRefusal> ParseCommandLine(
    const std::vector<std::string>& arguments,
    const std::vector<std::unique_ptr<Subcommand>>& subcommands);

}  // namespace quendaro::cli
