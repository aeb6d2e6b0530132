#include "cli/TreasureCommand.h"

#include <array>

#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "presentation/TreasurePresentation.h"

namespace quendaro::cli {

namespace {

constexpr std::array<std::string_view, kTreasureTypeCount> kLetters = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I"};

}  // namespace

std::string_view TreasureCommand::Synopsis() const {
  return "quendaro-cli treasure [--A N] [--B N] ... [--I N]";
}

std::string TreasureCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli treasure - the treasure of a monster's lair\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli treasure [--A N] [--B N] ... [--I N] [--count N] "
         "[--seed S]\n"
         "                          [--json] [--stats] [--explain]\n"
         "\n"
         "DESCRIPTION\n"
         "    Rolls the coins, gems and art objects of a lair that holds the "
         "lair\n"
         "    treasure types A to I, each from 0 to 5 times, and tells how "
         "many magic\n"
         "    items each type adds. A type present several times makes one "
         "roll per\n"
         "    row, multiplied by its count.\n"
         "\n"
         "OPTIONS\n"
         "    --A N ... --I N\n"
         "        How many times the type is present: 0 to 5 (default 0).\n"
         "\n"
         "OUTPUT\n"
         "    Text: the six totals with the treasure window's captions, then "
         "the magic\n"
         "    items of each type that has some. Markdown: tables of the "
         "types, the\n"
         "    totals and the magic items with their type letters. JSON: the "
         "record\n"
         "    described in the README.\n";
}

std::vector<Option> TreasureCommand::Options() const {
  std::vector<Option> options;
  for (std::string_view letter : kLetters) options.push_back({letter, true});
  return options;
}

std::optional<std::string> TreasureCommand::Configure(
    const OptionValues& values, InputMode) {
  counts_.fill(0);
  for (std::size_t type = 0; type < kLetters.size(); ++type) {
    const auto found = values.find(kLetters[type]);
    if (found == values.end()) continue;
    // The window picks the count from a list, so even as typed only the
    // list's counts make sense.
    const std::string& text = found->second;
    const std::optional<std::int64_t> count =
        ReadWholeNumber(text, 0, kMaxTreasureCount);
    if (!count) {
      return "--" + std::string(kLetters[type]) +
             " needs a count from 0 to 5, not " + Quoted(text);
    }
    counts_[type] = static_cast<int>(*count);
  }
  return std::nullopt;
}

void TreasureCommand::Run(RandomSource& random) {
  last_ = generator_.Generate(counts_, random);
}

Json TreasureCommand::LastRecord(std::optional<std::int64_t> seed,
                                 std::uint64_t index) const {
  return Record(last_, seed, index);
}

void TreasureCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, fields);
}

std::string TreasureCommand::LastText() const { return PlainText(last_); }

std::string TreasureCommand::LastMarkdown() const { return Markdown(last_); }

}  // namespace quendaro::cli
