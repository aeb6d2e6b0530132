#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendaro::cli {

// The command line's reading of texts the windows offer as lists and of the
// numbers typed in their boxes. A user types "caotico buono" for
// "Caotico/buono"; the generators compare exactly, so the text is
// turned into the list's own entry first, and anything that is no entry is
// refused with the closest entries named.

// `text` without case, accents, blanks and punctuation: "Neutrale(puro)"
// and "neutrale puro" both give "neutralepuro".
std::string FoldedText(std::string_view text);

// The candidates nearest to `text` by edit distance on the folded forms,
// best first, at most three; none when even the nearest is too far to be a
// plausible slip (more than `max_distance` edits, or, with -1, half the
// length).
std::vector<std::string_view> ClosestEntries(
    std::string_view text, std::span<const std::string_view> candidates,
    int max_distance = -1);

// " did you mean 'A'?", " did you mean 'A' or 'B'?", or "" with no
// candidates.
std::string DidYouMean(const std::vector<std::string_view>& candidates);

// A list the window offers, as the command line checks it.
struct ChoiceList {
  std::string_view what;  // "race", for the message
  std::span<const std::string_view> entries;
  std::string_view placeholder;  // "nessuna": nothing chosen
};

// The entry `text` names (the placeholder itself when it names that), or
// nothing after writing the usage error to `error`. Folding reads Latin
// letters and digits, accented or not, blanks and punctuation; a text that
// holds anything else (a symbol, another script, a control character) names
// no entry, whatever its letters fold to.
std::optional<std::string> CheckChoice(const ChoiceList& list,
                                       std::string_view text,
                                       std::string& error);

// A whole number from `low` to `high` in any locale: blanks around it are
// ignored, "." or "," may mark decimals as long as they are zero ("3.0"),
// and one sign may stand before it ("+7", "-2", never "+-2").
std::optional<std::int64_t> ReadWholeNumber(std::string_view text,
                                            std::int64_t low,
                                            std::int64_t high);

// The whole numbers `low` to `high` (within 0 to 20) as texts, for the
// completions of a number option.
std::span<const std::string_view> NumberTexts(int low, int high);

}  // namespace quendaro::cli
