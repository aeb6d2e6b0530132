#include "cli/TreasureCommand.h"

#include <array>

#include "cli/CheckedText.h"
#include "cli/SafeText.h"
#include "presentation/ContentsPresentation.h"
#include "presentation/TreasurePresentation.h"
#include "treasure/contents/ContentsSeed.h"

namespace quendaro::cli {

namespace {

constexpr std::array<std::string_view, kTreasureTypeCount> kLetters = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I"};

}  // namespace

std::string_view TreasureCommand::Synopsis() const {
  return "quendaro-cli treasure [--A N] [--B N] ... [--I N] [--contents]";
}

std::string TreasureCommand::Help() const {
  return "NAME\n"
         "    quendaro-cli treasure - the treasure of a monster's lair\n"
         "\n"
         "SYNOPSIS\n"
         "    quendaro-cli treasure [--A N] [--B N] ... [--I N] [--contents]\n"
         "                          [--count N] [--seed S] [--json] [--stats] "
         "[--explain]\n"
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
         "    --contents\n"
         "        Also every gem (class, stone, value), art object and magic "
         "item of\n"
         "        the lair, an intelligent weapon's whole sheet, and what the "
         "lair is\n"
         "        worth in gold pieces. The lair itself is the same with or "
         "without it.\n"
         "\n"
         "OUTPUT\n"
         "    Text: the six totals with the treasure window's captions, then "
         "the magic\n"
         "    items of each type that has some. Markdown: tables of the "
         "types, the\n"
         "    totals and the magic items with their type letters. JSON: the "
         "record\n"
         "    described in the README. With --contents, text lists the "
         "contents after\n"
         "    the totals, Markdown adds their tables, JSON adds "
         "result.contents,\n"
         "    --explain lists their draws too and --stats sums up their "
         "values and\n"
         "    kinds.\n";
}

std::vector<Option> TreasureCommand::Options() const {
  std::vector<Option> options;
  for (std::string_view letter : kLetters) options.push_back({letter, true});
  options.push_back({"contents", false});
  return options;
}

std::optional<std::string> TreasureCommand::Configure(
    const OptionValues& values, InputMode) {
  counts_.fill(0);
  contents_ = values.contains("contents");
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
  if (!contents_) {
    last_ = generator_.Generate(counts_, random);
    return;
  }
  std::uint64_t seed = 0;
  {
    const ContentsSeed watch(random);
    last_ = generator_.Generate(counts_, random);
    seed = watch.Value();
  }
  RandomSource contents_random = ContentsGenerator::SourceFor(seed);
  // The contents' draws join the lair's in --explain.
  contents_random.SetLog(random.Log());
  last_contents_ = contents_generator_.Generate(last_, contents_random);
}

Json TreasureCommand::LastRecord(std::optional<std::int64_t> seed,
                                 std::uint64_t index) const {
  return contents_ ? Record(last_, last_contents_, seed, index)
                   : Record(last_, seed, index);
}

void TreasureCommand::VisitLast(ResultFields& fields) const {
  VisitResult(last_, fields);
  // Listing hundreds of gems one path each would make a summary nobody
  // reads; it counts the contents by class and kind and sums their values.
  if (contents_) VisitContentsSummary(last_contents_, fields);
}

std::string TreasureCommand::LastText() const {
  return contents_ ? PlainText(last_, last_contents_) : PlainText(last_);
}

std::string TreasureCommand::LastMarkdown() const {
  return contents_ ? Markdown(last_, last_contents_) : Markdown(last_);
}

}  // namespace quendaro::cli
