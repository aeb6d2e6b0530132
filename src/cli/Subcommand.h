#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/Markup.h"
#include "presentation/ResultFields.h"
#include "random/RandomSource.h"

namespace quendaro::cli {

// An option of a subcommand, as the parser, the help, the manual page and
// the shell completions all read it: "--race T" takes a value, "--reroll"
// does not.
struct Option {
  std::string_view name = {};        // without the dashes
  std::string_view value_name = {};  // "T", "N", "GROUP"; empty for a flag
  std::string_view summary = {};     // a few words, for the completion menus
  std::string_view help = {};        // what it does, in sentences
  // The texts it accepts, offered by the completions and listed in the help;
  // empty for a free text or number.
  std::span<const std::string_view> values = {};
  bool required = false;  // the subcommand cannot run without it

  bool TakesValue() const { return !value_name.empty(); }
};

// The values given on the command line, by option name; a flag maps to "".
using OptionValues = std::map<std::string, std::string, std::less<>>;

// How the option values are read. Checked, a list text must name one of the
// window's entries (case, accents, blanks and punctuation aside) and a number
// must be one the window would take. As typed, every text goes to the
// generator exactly as if typed into the window's box, with the window's
// outcome for texts it does not know.
enum class InputMode { kChecked, kAsTyped };

// A request that the game's rules refuse, found before anything is rolled:
// the messages the window would show, and what could be asked instead.
struct Refusal {
  std::vector<std::string> messages;  // the rules' own words, in order
  // The choices a run of "npc" can keep while it picks the rest, as option
  // name and value; meaningful only with `suggest_npc`.
  std::vector<std::pair<std::string, std::string>> npc_keeps;
  bool suggest_npc = false;
  std::string hint;  // any other advice, or empty
};

// One of the tool's generators as the command line offers it: its options,
// the texts of its help, and one generation at a time as a record and as
// text. The help page, the manual page and the completions are all made
// from what it declares here.
class Subcommand {
 public:
  virtual ~Subcommand() = default;

  virtual std::string_view Name() const = 0;
  // What one generation is, in a few words: "a fantasy name".
  virtual std::string_view Summary() const = 0;
  // What it does, paragraphs separated by a blank line.
  virtual std::string_view Description() const = 0;
  // What each format writes, in the same form.
  virtual std::string_view OutputDescription() const = 0;
  virtual std::vector<Option> Options() const = 0;

  // Takes the option values; returns a usage error naming the problem.
  virtual std::optional<std::string> Configure(const OptionValues& values,
                                               InputMode mode) = 0;
  // After Configure: what the game's rules refuse in the request, if
  // anything, before anything is rolled. A subcommand that copies a window
  // refuses nothing as typed, where the window's outcome is the answer.
  virtual std::optional<Refusal> Refused() const { return std::nullopt; }

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
