#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <span>
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
// from its generator's walk (Begin, then the generator's VisitResult),
// which skips building a record: both give the same summary.
class Statistics final : public ResultFields {
 public:
  explicit Statistics(char decimal_separator)
      : decimal_separator_(decimal_separator) {}

  void Add(const Json& result);

  // Starts the next result; its values follow as the walk hands them over.
  void Begin();
  void Number(std::string_view key, double value) override;
  void Text(std::string_view key, std::string_view text) override;
  void Flag(std::string_view key, bool value) override;
  void Missing(std::string_view key) override;
  // Counts the row as one text; its columns are split and counted under
  // their own paths only when the summary is written.
  void Row(std::string_view key, std::span<const std::string_view> column_keys,
           std::string_view row) override;
  void BeginObject(std::string_view key) override;
  void BeginList(std::string_view key) override;
  void End() override;

  std::size_t Count() const { return count_; }

  // {"count": N, "fields": {path: {"count", "min", "mean", "max"} and/or
  // {"texts": {text: {"count", "percent"}}}, plus "missing" and
  // "missingPercent" when some records lacked it}}. Shares are percentages
  // of all N records, named so.
  Json Summary() const;

  // The same summary as readable lines.
  std::string Text() const;

 private:
  // How often each text came, by its words. A field of a few texts keeps
  // them in a short list; past that (names, say), it also indexes them in a
  // hash table. Most texts come from the program's tables, or from a sheet
  // written over the last one, and so come back at the same place: where a
  // text lay is remembered as a hint to its entry, which is then taken only
  // if its words are the same, so that other words at that place still
  // count as themselves. The hint halves the time of a weapon's summary.
  class TextCounts {
   public:
    TextCounts() = default;
    TextCounts(TextCounts&&) = default;
    TextCounts(const TextCounts&) = delete;
    TextCounts& operator=(const TextCounts&) = delete;

    void Add(std::string_view text) {
      Hint& hint = hints_[HintOf(text.data())];
      if (hint.data == text.data() && hint.entry != nullptr &&
          SameText(hint.entry->text, text)) {
        ++hint.entry->times;
        return;
      }
      AddAndHint(text, hint);
    }
    bool Empty() const { return entries_.empty(); }
    // Each text and its count, in the texts' order.
    std::map<std::string, std::size_t> Sorted() const;

   private:
    struct Entry {
      std::string text;
      std::size_t times;
    };
    struct Hint {
      const char* data = nullptr;
      Entry* entry = nullptr;
    };
    static constexpr int kHintBits = 4;
    static std::size_t HintOf(const char* data) {
      const auto key = reinterpret_cast<std::uintptr_t>(data);
      return static_cast<std::size_t>((key * 0x9e3779b97f4a7c15ULL) >>
                                      (64 - kHintBits));
    }
    void AddAndHint(std::string_view text, Hint& hint);

    static constexpr std::size_t kFew = 32;
    // A deque, so that an entry stays where it is as others join.
    std::deque<Entry> entries_;
    struct Hash {
      using is_transparent = void;
      std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
      }
    };
    std::unordered_map<std::string_view, Entry*, Hash, std::equal_to<>> index_;
    std::array<Hint, std::size_t{1} << kHintBits> hints_{};
  };

  struct Field {
    const std::string* path = nullptr;  // its key in fields_
    std::size_t numbers = 0;
    std::size_t missing = 0;
    double minimum = 0;
    double maximum = 0;
    double sum = 0;
    TextCounts texts;
    // In the summary: a field that came as a value. A path that only ever
    // held an object, a list or table rows is not one; what they hold is.
    bool listed = false;
    // A path of table rows: each row that came.
    TextCounts rows;
    // A column's field: the path of rows it is split from, and which column
    // of them it is.
    const Field* rows_field = nullptr;
    std::size_t column = 0;
  };

  // The field under `key` in the innermost open object or list (the key of
  // a list's item is its place), added to the summary when `listed`.
  // FieldAt follows the last result's trail, here so that the common case
  // costs no call; OffTrail searches.
  Field& FieldAt(std::string_view key, bool listed = true) {
    const std::size_t item = in_list_ ? items_ : kKeyed;
    if (position_ < trail_.size()) {
      const TrailStep& step = trail_[position_];
      if (step.parent == parent_ && step.item == item &&
          (in_list_ || SameText(step.key, key))) {
        ++position_;
        items_ += in_list_;
        if (listed && !step.field->listed) AddToSummary(*step.field);
        return *step.field;
      }
    }
    return OffTrail(key, listed);
  }
  Field& OffTrail(std::string_view key, bool listed);
  Field& Lookup(std::string_view path, bool listed);
  void AddToSummary(Field& field);
  void Open(std::string_view key, bool list);

  // Whether two short texts are the same, compared eight bytes at a time:
  // the keys and texts of a result are mostly shorter than 32 bytes, and the
  // call to a general comparison costs more than comparing them. Each field a
  // result names takes one or two of these: made inline, they save a tenth
  // of a character's summary.
  [[gnu::always_inline]] static bool SameText(std::string_view a,
                                              std::string_view b) {
    const std::size_t size = a.size();
    if (size != b.size()) return false;
    const auto word = [](const char* at) {
      std::uint64_t value;
      std::memcpy(&value, at, sizeof value);
      return value;
    };
    const auto half = [](const char* at) {
      std::uint32_t value;
      std::memcpy(&value, at, sizeof value);
      return value;
    };
    if (size < 4) {
      for (std::size_t i = 0; i < size; ++i) {
        if (a[i] != b[i]) return false;
      }
      return true;
    }
    // From here on the last four or eight bytes overlap the ones before
    // them when the size is not a multiple of four or eight.
    if (size < 8) {
      return half(a.data()) == half(b.data()) &&
             half(a.data() + size - 4) == half(b.data() + size - 4);
    }
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
      if (word(a.data() + i) != word(b.data() + i)) return false;
    }
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
  // The innermost open object or list (none at the top of the result),
  // whether it is a list, and how many items that list has had so far.
  Field* parent_ = nullptr;
  bool in_list_ = false;
  std::size_t items_ = 0;
  // The same of the objects and lists that hold it, outermost first.
  struct Container {
    Field* field;
    bool list;
    std::size_t items;
  };
  std::vector<Container> open_;
  // The fields of the last result in the order it named them, each by its
  // key in the object that holds it or its place in the list: results of
  // one generator name mostly the same fields in the same order, so the
  // next result finds its field here with one comparison instead of a
  // search.
  static constexpr std::size_t kKeyed = static_cast<std::size_t>(-1);
  struct TrailStep {
    const Field* parent;  // none at the top of the result
    std::size_t item;     // its place in a list, or kKeyed
    std::string key;
    Field* field;
  };
  std::vector<TrailStep> trail_;
  std::size_t position_ = 0;  // in trail_, for the current result
};

}  // namespace quendaro::cli
