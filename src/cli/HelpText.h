#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Subcommand.h"

namespace quendaro::cli {

// The help pages, made from what the subcommands and the common options
// declare, so that they list exactly what the tool takes. Every line fits
// kHelpWidth columns.

inline constexpr std::size_t kHelpWidth = 80;

// "quendaro-cli --help": the subcommands, the common options, the exit
// statuses and where to report a fault.
std::string ToolHelp(const std::vector<std::unique_ptr<Subcommand>>& all);

// "quendaro-cli name --help": the subcommand's own options, the common
// ones, what it writes, the exit statuses and where to report a fault.
std::string SubcommandHelp(const Subcommand& subcommand);

// "quendaro-cli hitpoints --group GROUP --level N [OPTION]...": the
// subcommand with the options it cannot run without.
std::string UsageLine(const Subcommand& subcommand);

// The option as the help shows it: "--race T", "--json".
std::string OptionLabel(const Option& option);

// Whether the help lists the option's values: a list of numbers is said by
// its range in the option's own help instead.
bool ListsValues(const Option& option);

// `text`, paragraphs separated by a blank line, in lines of at most `width`
// columns, each after `indent` blanks.
std::string Wrapped(std::string_view text, std::size_t indent,
                    std::size_t width = kHelpWidth);

// The faults address and the home page, the last lines of every help.
std::string ReportingLines();

}  // namespace quendaro::cli
