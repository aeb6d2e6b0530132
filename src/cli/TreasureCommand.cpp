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

std::string_view TreasureCommand::Summary() const {
  return "the treasure of a monster's lair";
}

std::string_view TreasureCommand::Description() const {
  return "Rolls the coins, gems and art objects of a lair that holds the "
         "lair treasure types A to I, each from 0 to 5 times, and tells how "
         "many magic items each type adds. A type present several times "
         "makes one roll per row, multiplied by its count.";
}

std::string_view TreasureCommand::OutputDescription() const {
  return "Text: the six totals with the treasure window's captions, then "
         "the magic items of each type that has some. Markdown: tables of "
         "the types, the totals and the magic items with their type "
         "letters. JSON: one record per line, described in "
         "quendaro-record(5). With --contents, text lists the contents "
         "after the totals, Markdown adds their tables, JSON adds "
         "result.contents, --explain lists their draws too and --stats sums "
         "up their values and kinds.";
}

std::vector<Option> TreasureCommand::Options() const {
  // One option per type, each with the same help but for its letter; the
  // texts live as long as the tool, which the options' views need.
  static const std::array<std::string, kTreasureTypeCount> kHelps = [] {
    std::array<std::string, kTreasureTypeCount> helps;
    for (std::size_t type = 0; type < helps.size(); ++type) {
      helps[type] = "How many times the lair holds treasure type " +
                    std::string(kLetters[type]) + ", 0 to 5 (default 0).";
    }
    return helps;
  }();
  std::vector<Option> options;
  for (std::size_t type = 0; type < kLetters.size(); ++type) {
    options.push_back({.name = kLetters[type],
                       .value_name = "N",
                       .summary = "how many times the type is present",
                       .help = kHelps[type],
                       .values = NumberTexts(0, kMaxTreasureCount)});
  }
  options.push_back(
      {.name = "contents",
       .summary = "every gem, art object and magic item, named and valued",
       .help = "Also every gem (class, stone, value), art object and magic "
               "item of the lair, an intelligent weapon's whole sheet, and "
               "what the lair is worth in gold pieces. The lair itself is the "
               "same with or without it."});
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
