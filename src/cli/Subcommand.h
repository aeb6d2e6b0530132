#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/Markup.h"
#include "random/RandomSource.h"

namespace quendaro::cli {

// An option of a subcommand: "--race T" takes a value, "--reroll" does not.
struct Option {
  std::string_view name;  // without the dashes
  bool takes_value;
};

// The values given on the command line, by option name; a flag maps to "".
using OptionValues = std::map<std::string, std::string, std::less<>>;

// One of the tool's generators as the command line offers it: its options,
// its help page, and one generation at a time as a record and as text.
class Subcommand {
 public:
  virtual ~Subcommand() = default;

  virtual std::string_view Name() const = 0;
  // The usage line, e.g. "quendaro-cli name [--sex m|f]".
  virtual std::string_view Synopsis() const = 0;
  // The manual page: what it does, every option, the texts it accepts.
  virtual std::string Help() const = 0;
  virtual std::vector<Option> Options() const = 0;

  // Takes the option values; returns a usage error naming the problem.
  virtual std::optional<std::string> Configure(const OptionValues& values) = 0;

  // One generation; its result is kept until the next.
  virtual void Run(RandomSource& random) = 0;
  // The last result as a record of the given run's seed and position.
  virtual Json LastRecord(std::optional<std::int64_t> seed,
                          std::uint64_t index) const = 0;
  // The last result as the game master reads it, Italian captions first.
  virtual std::string LastText() const = 0;
  // The last result as Markdown, to paste into notes or a wiki.
  virtual std::string LastMarkdown() const = 0;
};

}  // namespace quendaro::cli
