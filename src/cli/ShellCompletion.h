#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/Subcommand.h"

namespace quendaro::cli {

// The bash and zsh completions of quendaro-cli, made from the same
// declarations as the help: the subcommands, every option and the texts of
// every list. A text begun with a quote is completed inside the quote, as
// it stands; otherwise with its blanks and parentheses escaped.
std::string BashCompletion(const std::vector<std::unique_ptr<Subcommand>>& all);
std::string ZshCompletion(const std::vector<std::unique_ptr<Subcommand>>& all);

}  // namespace quendaro::cli
