#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/Markup.h"
#include "presentation/ResultFields.h"
#include "random/RandomSource.h"

namespace quendaro::cli {

// An option of a subcommand: "--race T" takes a value, "--reroll" does not.
struct Option {
  std::string_view name;  // without the dashes
  bool takes_value;
};

// The values given on the command line, by option name; a flag maps to "".
using OptionValues = std::map<std::string, std::string, std::less<>>;

// How the option values are read. Checked, a list text must name one of the
// window's entries (case, accents, blanks and punctuation aside) and a number
// must be one the window would take. As typed, every text goes to the
// generator exactly as if typed into the window's box, with the window's
// outcome for texts it does not know.
enum class InputMode { kChecked, kAsTyped };

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
  virtual std::optional<std::string> Configure(const OptionValues& values,
                                               InputMode mode) = 0;

  // One generation; its result is kept until the next.
  virtual void Run(RandomSource& random) = 0;
  // The last result as a record of the given run's seed and position.
  virtual Json LastRecord(std::optional<std::int64_t> seed,
                          std::uint64_t index) const = 0;
  // The values of the last record's "result", one at a time. By default
  // they are read off the record; a generator with a typed walk of its
  // result skips building the record, which is what makes a summary of
  // millions of results quick.
  virtual void VisitLast(ResultFields& fields) const {
    VisitJson(LastRecord(std::nullopt, 0)["result"], fields);
  }
  // The last result as the game master reads it, Italian captions first.
  virtual std::string LastText() const = 0;
  // The last result as Markdown, to paste into notes or a wiki.
  virtual std::string LastMarkdown() const = 0;
  // For a generator whose Markdown results are rows of one table: the table's
  // heading, written once before the first row. Empty for results that each
  // stand on their own.
  virtual std::string MarkdownHeader() const { return {}; }
};

}  // namespace quendaro::cli
