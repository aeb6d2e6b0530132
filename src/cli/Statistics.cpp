#include "cli/Statistics.h"

#include <algorithm>
#include <charconv>

#include "character/AbilityTables.h"

namespace quendaro::cli {

namespace {

std::string Decimal(double number, char separator) {
  char buffer[64];
  const std::to_chars_result result = std::to_chars(
      buffer, buffer + sizeof buffer, number, std::chars_format::fixed, 2);
  std::string text(buffer, result.ptr);
  std::replace(text.begin(), text.end(), '.', separator);
  // Whole values read better without ",00".
  const std::string zeros = std::string(1, separator) + "00";
  if (text.size() > zeros.size() &&
      text.compare(text.size() - zeros.size(), zeros.size(), zeros) == 0) {
    text.erase(text.size() - zeros.size());
  }
  return text;
}

}  // namespace

void Statistics::Add(const Json& result) {
  Begin();
  VisitJson(result, *this);
}

void Statistics::Begin() {
  ++count_;
  position_ = 0;
}

Statistics::Field& Statistics::OffTrail(std::string_view path, bool listed) {
  // A result with fewer values in a list than the last one (a weapon with
  // one ability instead of three) skips a few steps: look a little ahead.
  constexpr std::size_t kLookAhead = 8;
  const std::size_t end = std::min(trail_.size(), position_ + kLookAhead);
  for (std::size_t at = position_ + 1; at < end; ++at) {
    if (SameText(trail_[at].path, path)) {
      Field& field = *trail_[at].field;
      if (listed && !field.listed) Lookup(path, listed);
      position_ = at + 1;
      return field;
    }
  }
  // Otherwise the path joins the trail here, so that the trail becomes one
  // sequence that every result follows, skipping what it lacks. Past a
  // generous length it is overwritten instead, so it cannot grow forever.
  Field& field = Lookup(path, listed);
  TrailStep step{std::string(path), &field};
  const std::size_t longest = 4 * fields_.size() + 64;
  if (position_ < trail_.size() && trail_.size() >= longest) {
    trail_[position_] = std::move(step);
  } else {
    trail_.insert(trail_.begin() + static_cast<std::ptrdiff_t>(position_),
                  std::move(step));
  }
  ++position_;
  return field;
}

Statistics::Field& Statistics::Lookup(std::string_view path, bool listed) {
  auto it = fields_.find(path);
  if (it == fields_.end()) {
    it = fields_.emplace(std::string(path), Field{}).first;
  }
  Field& field = it->second;
  if (listed && !field.listed) {
    field.listed = true;
    order_.emplace_back(path);
  }
  return field;
}

void Statistics::Number(std::string_view path, double value) {
  Field& field = FieldAt(path);
  if (field.numbers == 0) {
    field.minimum = field.maximum = value;
  } else {
    field.minimum = std::min(field.minimum, value);
    field.maximum = std::max(field.maximum, value);
  }
  field.sum += value;
  ++field.numbers;
}

void Statistics::Text(std::string_view path, std::string_view text) {
  FieldAt(path).texts.Add(text);
}

void Statistics::TextCounts::Add(std::string_view text) {
  if (many_.empty()) {
    for (auto& [seen, times] : few_) {
      if (SameText(seen, text)) {
        ++times;
        return;
      }
    }
    if (few_.size() < kFew) {
      few_.emplace_back(text, 1);
      return;
    }
    many_.reserve(4 * kFew);
    many_.insert(few_.begin(), few_.end());
    few_.clear();
  }
  const auto it = many_.find(text);
  if (it == many_.end()) {
    many_.emplace(std::string(text), 1);
  } else {
    ++it->second;
  }
}

std::map<std::string, std::size_t> Statistics::TextCounts::Sorted() const {
  std::map<std::string, std::size_t> sorted(few_.begin(), few_.end());
  sorted.insert(many_.begin(), many_.end());
  return sorted;
}

void Statistics::Missing(std::string_view path) { ++FieldAt(path).missing; }

void Statistics::TableRow(std::string_view path,
                          std::span<const std::string_view> keys,
                          std::string_view row) {
  Field& field = FieldAt(path, /*listed=*/false);
  if (field.rows.Empty()) {
    // The first row: its columns join the summary where the record would
    // first name them.
    for (std::size_t i = 0; i < keys.size(); ++i) {
      Field& column = Lookup(ColumnPath(path, keys[i]), /*listed=*/true);
      column.rows_field = &field;
      column.column = i;
    }
  }
  field.rows.Add(row);
}

void Statistics::TableText(std::string_view path, std::string_view text) {
  FieldAt(path).table_texts.Add(text);
}

void Statistics::PlaceCounts::Grow() {
  std::vector<Slot> old = std::move(slots_);
  bits_ = bits_ == 0 ? 5 : bits_ + 1;
  slots_.assign(std::size_t{1} << bits_, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.times == 0) continue;
    std::size_t at = SlotOf(slot.data);
    while (slots_[at].times != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

std::map<std::string, std::size_t> Statistics::TextsOf(
    const Field& field) const {
  std::map<std::string, std::size_t> texts = field.texts.Sorted();
  field.table_texts.ForEach([&](std::string_view text, std::size_t times) {
    texts[std::string(text)] += times;
  });
  if (field.rows_field != nullptr) {
    field.rows_field->rows.ForEach(
        [&](std::string_view row, std::size_t times) {
          const std::vector<std::string_view> columns = SplitRow(row);
          if (field.column < columns.size()) {
            texts[std::string(columns[field.column])] += times;
          }
        });
  }
  return texts;
}

bool Statistics::HasTexts(const Field& field) const {
  return !field.texts.Empty() || !field.table_texts.Empty() ||
         (field.rows_field != nullptr && !field.rows_field->rows.Empty());
}

double Statistics::Percent(std::size_t times) const {
  return count_ == 0
             ? 0.0
             : 100.0 * static_cast<double>(times) / static_cast<double>(count_);
}

Json Statistics::Summary() const {
  Json fields = Json::object();
  for (const std::string& path : order_) {
    const Field& field = fields_.at(path);
    Json summary = Json::object();
    if (field.numbers > 0) {
      summary["count"] = field.numbers;
      summary["min"] = field.minimum;
      summary["mean"] = field.sum / static_cast<double>(field.numbers);
      summary["max"] = field.maximum;
    }
    if (HasTexts(field)) {
      Json texts = Json::object();
      for (const auto& [text, times] : TextsOf(field)) {
        texts[text] = Json{{"count", times}, {"percent", Percent(times)}};
      }
      summary["texts"] = std::move(texts);
    }
    if (field.missing > 0) {
      summary["missing"] = field.missing;
      summary["missingPercent"] = Percent(field.missing);
    }
    fields[path] = std::move(summary);
  }
  Json root;
  root["count"] = count_;
  root["fields"] = std::move(fields);
  return root;
}

std::string Statistics::Text() const {
  const char sep = decimal_separator_;
  std::string out = "Generazioni: " + std::to_string(count_) + "\n";
  for (const std::string& path : order_) {
    const Field& field = fields_.at(path);
    if (field.numbers > 0) {
      out += path + ": minimo " + Decimal(field.minimum, sep) + ", media " +
             Decimal(field.sum / static_cast<double>(field.numbers), sep) +
             ", massimo " + Decimal(field.maximum, sep);
      if (field.missing > 0) {
        out += ", vuoto " + Decimal(Percent(field.missing), sep) + " %";
      }
      out += "\n";
    }
    if (!HasTexts(field) && field.numbers > 0) continue;
    out += path + ":\n";
    // Most frequent first, as a game master reads such a list.
    const std::map<std::string, std::size_t> sorted = TextsOf(field);
    std::vector<std::pair<std::string, std::size_t>> texts(sorted.begin(),
                                                           sorted.end());
    if (field.missing > 0 && field.numbers == 0) {
      texts.emplace_back("", field.missing);
    }
    std::stable_sort(
        texts.begin(), texts.end(),
        [](const auto& a, const auto& b) { return a.second > b.second; });
    for (const auto& [text, times] : texts) {
      out += "  " + Decimal(Percent(times), sep) + " %  " +
             (text.empty() ? "(vuoto)" : text) + "\n";
    }
  }
  return out;
}

}  // namespace quendaro::cli
