#include "cli/CheckedText.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <limits>
#include <numeric>

#include "cli/SafeText.h"

namespace quendaro::cli {

namespace {

// Latin letters with accents, as the second byte of their two-byte UTF-8
// form after 0xc3, and the plain letter they fold to.
struct Accented {
  unsigned char second_byte;
  char plain;
};
constexpr std::array<Accented, 48> kAccented = {{
    {0x80, 'a'}, {0x81, 'a'}, {0x82, 'a'}, {0x83, 'a'}, {0x84, 'a'},
    {0x85, 'a'}, {0x87, 'c'}, {0x88, 'e'}, {0x89, 'e'}, {0x8a, 'e'},
    {0x8b, 'e'}, {0x8c, 'i'}, {0x8d, 'i'}, {0x8e, 'i'}, {0x8f, 'i'},
    {0x91, 'n'}, {0x92, 'o'}, {0x93, 'o'}, {0x94, 'o'}, {0x95, 'o'},
    {0x96, 'o'}, {0x99, 'u'}, {0x9a, 'u'}, {0x9b, 'u'}, {0x9c, 'u'},
    {0x9d, 'y'}, {0xa0, 'a'}, {0xa1, 'a'}, {0xa2, 'a'}, {0xa3, 'a'},
    {0xa4, 'a'}, {0xa5, 'a'}, {0xa7, 'c'}, {0xa8, 'e'}, {0xa9, 'e'},
    {0xaa, 'e'}, {0xab, 'e'}, {0xac, 'i'}, {0xad, 'i'}, {0xae, 'i'},
    {0xaf, 'i'}, {0xb1, 'n'}, {0xb2, 'o'}, {0xb3, 'o'}, {0xb4, 'o'},
    {0xb9, 'u'}, {0xba, 'u'}, {0xbb, 'u'},
}};

char FoldedAccent(unsigned char second_byte) {
  for (const Accented& letter : kAccented) {
    if (letter.second_byte == second_byte) return letter.plain;
  }
  return '\0';
}

// Levenshtein distance, in one row of memory.
int EditDistance(std::string_view a, std::string_view b) {
  std::vector<int> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                         diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// Whether every character of `text` is one that folding reads: a Latin
// letter or digit, with or without one of the accents above, a blank or an
// ASCII punctuation mark. A symbol, a letter of another script or a control
// character is none of these, and makes the text no entry of any list.
bool FoldsWhole(std::string_view text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x7f) continue;
    if (at + 1 < text.size()) {
      const auto second = static_cast<unsigned char>(text[at + 1]);
      // U+00A0, the blank that does not break, comes with pasted texts.
      if ((byte == 0xc2 && second == 0xa0) ||
          (byte == 0xc3 && FoldedAccent(second) != '\0')) {
        ++at;
        continue;
      }
    }
    return false;
  }
  return true;
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string FoldedText(std::string_view text) {
  std::string folded;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 'A' && byte <= 'Z') {
      folded += static_cast<char>(byte - 'A' + 'a');
    } else if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')) {
      folded += static_cast<char>(byte);
    } else if (byte == 0xc3 && at + 1 < text.size()) {
      if (const char plain =
              FoldedAccent(static_cast<unsigned char>(text[at + 1]))) {
        folded += plain;
        ++at;
      }
    }
  }
  return folded;
}

std::vector<std::string_view> ClosestEntries(
    std::string_view text, std::span<const std::string_view> candidates,
    int max_distance) {
  const std::string folded = FoldedText(text);
  // A very long text is no slip of the keyboard; cutting it keeps the
  // comparison cheap whatever was passed.
  const std::string_view compared = std::string_view(folded).substr(0, 64);
  std::vector<std::pair<int, std::string_view>> scored;
  for (std::string_view candidate : candidates) {
    const std::string folded_candidate = FoldedText(candidate);
    int distance = EditDistance(compared, folded_candidate);
    // A prefix of an entry ("Guer") or a word of it ("magia") is as close as
    // can be.
    if (!compared.empty() &&
        folded_candidate.find(compared) != std::string::npos) {
      distance =
          std::min(distance, folded_candidate.starts_with(compared) ? 0 : 1);
    }
    const int limit =
        max_distance >= 0
            ? max_distance
            : std::max<int>(2, static_cast<int>(std::max(
                                   compared.size(), folded_candidate.size())) /
                                   2);
    if (distance <= limit) scored.emplace_back(distance, candidate);
  }
  std::stable_sort(
      scored.begin(), scored.end(),
      [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string_view> closest;
  for (const auto& [distance, candidate] : scored) {
    if (closest.size() == 3 || distance > scored.front().first) break;
    closest.push_back(candidate);
  }
  return closest;
}

std::string DidYouMean(const std::vector<std::string_view>& candidates) {
  if (candidates.empty()) return "";
  std::string text = "; did you mean ";
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (i > 0) text += i + 1 == candidates.size() ? " or " : ", ";
    text += Quoted(candidates[i]);
  }
  return text + "?";
}

std::optional<std::string> CheckChoice(const ChoiceList& list,
                                       std::string_view text,
                                       std::string& error) {
  const std::string folded = FoldedText(text);
  if (!folded.empty() && FoldsWhole(text)) {
    if (folded == FoldedText(list.placeholder)) {
      return std::string(list.placeholder);
    }
    for (std::string_view entry : list.entries) {
      if (FoldedText(entry) == folded) return std::string(entry);
    }
  }
  error = "unknown " + std::string(list.what) + " " + Quoted(text) +
          // A list is short and fixed: its nearest entries always help.
          DidYouMean(ClosestEntries(text, list.entries,
                                    std::numeric_limits<int>::max()));
  return std::nullopt;
}

std::optional<std::int64_t> ReadWholeNumber(std::string_view text,
                                            std::int64_t low,
                                            std::int64_t high) {
  text = Trimmed(text);
  if (const std::size_t mark = text.find_first_of(".,");
      mark != std::string_view::npos) {
    const std::string_view decimals = text.substr(mark + 1);
    if (decimals.empty() ||
        decimals.find_first_not_of('0') != std::string_view::npos) {
      return std::nullopt;
    }
    text = text.substr(0, mark);
  }
  // One sign at most: from_chars reads a minus, and a plus is taken off
  // here, so "+-5" must not become -5.
  if (text.starts_with('+')) {
    text.remove_prefix(1);
    if (text.starts_with('-')) return std::nullopt;
  }
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, value);
  if (text.empty() || failure != std::errc() || stop != end || value < low ||
      value > high) {
    return std::nullopt;
  }
  return value;
}

std::span<const std::string_view> NumberTexts(int low, int high) {
  static constexpr std::array<std::string_view, 21> kNumbers = {
      "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9", "10",
      "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
  assert(0 <= low && low <= high && high < static_cast<int>(kNumbers.size()) &&
         "NumberTexts covers 0 to 20");
  return std::span<const std::string_view>(kNumbers).subspan(
      static_cast<std::size_t>(low), static_cast<std::size_t>(high - low + 1));
}

}  // namespace quendaro::cli
