#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro::cli {

// Sums up many generations field by field, so that a game master sees at
// once what a kind of lair yields on average or how often a weapon has a
// special purpose. It reads the values of each record's "result": a number
// gets its minimum, mean and maximum; a text or a yes/no the count and share
// of each value; a missing value (null) is counted as missing. Nested fields
// are named by their path: "totals.gold", "scores.strength", "abilities[0]".
// A numeric field takes the same memory however many records it sees.
//
// A result comes either as its record's "result" (Add) or value by value
// from its generator's typed walk (Begin, then the generator's VisitResult),
// which skips building a record: both give the same summary.
class Statistics final : public ResultFields {
 public:
  explicit Statistics(char decimal_separator)
      : decimal_separator_(decimal_separator) {}

  void Add(const Json& result);

  // Starts the next result; its values follow as Number, Text and Missing.
  void Begin();
  void Number(std::string_view path, double value) override;
  void Text(std::string_view path, std::string_view text) override;
  void Missing(std::string_view path) override;
  // Counts the row by where it lies; its columns are split and counted
  // under their own paths only when the summary is written.
  void TableRow(std::string_view path, std::span<const std::string_view> keys,
                std::string_view row) override;
  // Counts the text by where it lies.
  void TableText(std::string_view path, std::string_view text) override;

  std::size_t Count() const { return count_; }

  // {"count": N, "fields": {path: {"count", "min", "mean", "max"} and/or
  // {"texts": {text: {"count", "percent"}}}, plus "missing" and
  // "missingPercent" when some records lacked it}}. Shares are percentages
  // of all N records, named so.
  Json Summary() const;

  // The same summary as readable lines.
  std::string Text() const;

 private:
  // How often each text came. A field of a few texts keeps them in a short
  // list, where the next one is found quickest; past that (names, say), in
  // a hash table.
  class TextCounts {
   public:
    void Add(std::string_view text);
    bool Empty() const { return few_.empty() && many_.empty(); }
    // Each text and its count, in the texts' order.
    std::map<std::string, std::size_t> Sorted() const;

   private:
    static constexpr std::size_t kFew = 32;
    std::vector<std::pair<std::string, std::size_t>> few_;
    struct Hash {
      using is_transparent = void;
      std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
      }
    };
    std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>> many_;
  };

  // How often each text of the program's tables came, found by where it
  // lies: a hash table keyed by the text's address and length, which never
  // reads the text itself. The same text at two places counts twice, and
  // the two are added up when the summary is written.
  class PlaceCounts {
   public:
    void Add(std::string_view text) {
      if (2 * (used_ + 1) > slots_.size()) Grow();
      const std::size_t mask = slots_.size() - 1;
      for (std::size_t at = SlotOf(text.data());; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.data == text.data() && slot.size == text.size() &&
            slot.times > 0) {
          ++slot.times;
          return;
        }
        if (slot.times == 0) {
          slot = {text.data(), text.size(), 1};
          ++used_;
          return;
        }
      }
    }
    bool Empty() const { return used_ == 0; }
    template <typename Visit>
    void ForEach(Visit&& visit) const {
      for (const Slot& slot : slots_) {
        if (slot.times > 0)
          visit(std::string_view(slot.data, slot.size), slot.times);
      }
    }

   private:
    struct Slot {
      const char* data = nullptr;
      std::size_t size = 0;
      std::size_t times = 0;
    };
    std::size_t SlotOf(const char* data) const {
      const auto key = reinterpret_cast<std::uintptr_t>(data);
      return static_cast<std::size_t>((key * 0x9e3779b97f4a7c15ULL) >>
                                      (64 - bits_));
    }
    void Grow();

    std::vector<Slot> slots_;
    int bits_ = 0;
    std::size_t used_ = 0;
  };

  struct Field {
    std::size_t numbers = 0;
    std::size_t missing = 0;
    double minimum = 0;
    double maximum = 0;
    double sum = 0;
    TextCounts texts;
    // In the summary: a field that came as a value. A path that only ever
    // held table rows is not one; its columns are.
    bool listed = false;
    // The texts that came from the program's tables, by where they lie.
    PlaceCounts table_texts;
    // A path of table rows: each row that came.
    PlaceCounts rows;
    // A column's field: the path of rows it is split from, and which column
    // of them it is.
    const Field* rows_field = nullptr;
    std::size_t column = 0;
  };

  // The field at `path`, added to the summary unless it only holds table
  // rows: FieldAt follows the last result's trail, here so that the common
  // case costs no call; OffTrail and Lookup search.
  Field& FieldAt(std::string_view path, bool listed = true) {
    if (position_ < trail_.size()) {
      const TrailStep& step = trail_[position_];
      if (SameText(step.path, path) && (step.field->listed || !listed)) {
        ++position_;
        return *step.field;
      }
    }
    return OffTrail(path, listed);
  }
  Field& OffTrail(std::string_view path, bool listed);
  Field& Lookup(std::string_view path, bool listed);

  // Whether two short texts are the same, compared eight bytes at a time:
  // the paths of a result are mostly shorter than 32 bytes, and the call to
  // a general comparison costs more than comparing them.
  static bool SameText(std::string_view a, std::string_view b) {
    const std::size_t size = a.size();
    if (size != b.size()) return false;
    if (size < 8) {
      for (std::size_t i = 0; i < size; ++i) {
        if (a[i] != b[i]) return false;
      }
      return true;
    }
    const auto word = [](const char* at) {
      std::uint64_t value;
      std::memcpy(&value, at, sizeof value);
      return value;
    };
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
      if (word(a.data() + i) != word(b.data() + i)) return false;
    }
    // The last eight bytes, which overlap the words above when the size is
    // not a multiple of eight.
    return word(a.data() + size - 8) == word(b.data() + size - 8);
  }
  // The texts a field counted, those split from its table rows included.
  std::map<std::string, std::size_t> TextsOf(const Field& field) const;
  bool HasTexts(const Field& field) const;
  double Percent(std::size_t times) const;

  char decimal_separator_;
  std::size_t count_ = 0;
  std::vector<std::string> order_;  // paths in order of first appearance
  std::map<std::string, Field, std::less<>> fields_;
  // The fields of the last result in the order it named them: results of
  // one generator name mostly the same paths in the same order, so the next
  // result finds its field here with one comparison instead of a search.
  struct TrailStep {
    std::string path;
    Field* field;
  };
  std::vector<TrailStep> trail_;
  std::size_t position_ = 0;  // in trail_, for the current result
};

}  // namespace quendaro::cli
