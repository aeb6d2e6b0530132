#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Subcommand.h"

namespace quendaro::cli {

// The manual page quendaro-cli(1) in roff, made from the same declarations
// as the help, with this build's version and release date; `schema_path`
// is where the JSON Schema of the records is installed.
std::string ManualPage(const std::vector<std::unique_ptr<Subcommand>>& all,
                       std::string_view schema_path);

// `text` as roff prints it literally: dashes that stay dashes, backslashes,
// a line that would start with a request, every other character as its
// Unicode escape. Paragraphs separated by a blank line become ".PP".
std::string RoffText(std::string_view text);

}  // namespace quendaro::cli
