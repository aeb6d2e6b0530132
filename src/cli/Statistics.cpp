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
  parent_ = nullptr;
  in_list_ = false;
  items_ = 0;
  open_.clear();
}

Statistics::Field& Statistics::OffTrail(std::string_view key, bool listed) {
  const std::size_t item = in_list_ ? items_++ : kKeyed;
  const auto same = [&](const TrailStep& step) {
    return step.parent == parent_ && step.item == item &&
           (in_list_ || SameText(step.key, key));
  };
  // A result with fewer values in a list than the last one (a weapon with
  // one ability instead of three) skips a few steps: look a little ahead.
  constexpr std::size_t kLookAhead = 8;
  const std::size_t end = std::min(trail_.size(), position_ + kLookAhead);
  for (std::size_t at = position_ + 1; at < end; ++at) {
    if (same(trail_[at])) {
      Field& field = *trail_[at].field;
      if (listed && !field.listed) AddToSummary(field);
      position_ = at + 1;
      return field;
    }
  }
  // Otherwise the field joins the trail here, so that the trail becomes one
  // sequence that every result follows, skipping what it lacks. Past a
  // generous length it is overwritten instead, so it cannot grow forever.
  std::string path = parent_ != nullptr ? *parent_->path : std::string();
  if (in_list_) {
    path += "[" + std::to_string(item) + "]";
  } else {
    if (parent_ != nullptr) path += '.';
    path += key;
  }
  Field& field = Lookup(path, listed);
  TrailStep step{parent_, item, in_list_ ? std::string() : std::string(key),
                 &field};
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
    it->second.path = &it->first;
  }
  Field& field = it->second;
  if (listed && !field.listed) AddToSummary(field);
  return field;
}

void Statistics::AddToSummary(Field& field) {
  field.listed = true;
  order_.push_back(*field.path);
}

void Statistics::Number(std::string_view key, double value) {
  Field& field = FieldAt(key);
  if (field.numbers == 0) {
    field.minimum = field.maximum = value;
  } else {
    field.minimum = std::min(field.minimum, value);
    field.maximum = std::max(field.maximum, value);
  }
  field.sum += value;
  ++field.numbers;
}

void Statistics::Text(std::string_view key, std::string_view text) {
  FieldAt(key).texts.Add(text);
}

void Statistics::Flag(std::string_view key, bool value) {
  Text(key, value ? "true" : "false");
}

void Statistics::Missing(std::string_view key) { ++FieldAt(key).missing; }

void Statistics::Row(std::string_view key,
                     std::span<const std::string_view> column_keys,
                     std::string_view row) {
  Field& field = FieldAt(key, /*listed=*/false);
  if (field.rows.Empty()) {
    // The first row: its columns join the summary where the record would
    // first name them.
    for (std::size_t i = 0; i < column_keys.size(); ++i) {
      std::string path = *field.path;
      path.append(1, '.').append(column_keys[i]);
      Field& column = Lookup(path, /*listed=*/true);
      column.rows_field = &field;
      column.column = i;
    }
  }
  field.rows.Add(row);
}

void Statistics::Open(std::string_view key, bool list) {
  Field& field = FieldAt(key, /*listed=*/false);
  open_.push_back({parent_, in_list_, items_});
  parent_ = &field;
  in_list_ = list;
  items_ = 0;
}

void Statistics::BeginObject(std::string_view key) { Open(key, false); }

void Statistics::BeginList(std::string_view key) { Open(key, true); }

void Statistics::End() {
  if (open_.empty()) return;
  parent_ = open_.back().field;
  in_list_ = open_.back().list;
  items_ = open_.back().items;
  open_.pop_back();
}

void Statistics::TextCounts::AddAndHint(std::string_view text, Hint& hint) {
  Entry* entry = nullptr;
  if (index_.empty()) {
    for (Entry& seen : entries_) {
      if (SameText(seen.text, text)) {
        entry = &seen;
        break;
      }
    }
    if (entry == nullptr && entries_.size() >= kFew) {
      index_.reserve(4 * kFew);
      for (Entry& seen : entries_) index_.emplace(seen.text, &seen);
    }
  }
  if (entry == nullptr && !index_.empty()) {
    const auto it = index_.find(text);
    if (it != index_.end()) entry = it->second;
  }
  if (entry == nullptr) {
    entry = &entries_.emplace_back(Entry{std::string(text), 0});
    if (!index_.empty()) index_.emplace(entry->text, entry);
  }
  ++entry->times;
  hint = {text.data(), entry};
}

std::map<std::string, std::size_t> Statistics::TextCounts::Sorted() const {
  std::map<std::string, std::size_t> sorted;
  for (const Entry& entry : entries_) sorted.emplace(entry.text, entry.times);
  return sorted;
}

std::map<std::string, std::size_t> Statistics::TextsOf(
    const Field& field) const {
  std::map<std::string, std::size_t> texts = field.texts.Sorted();
  if (field.rows_field != nullptr) {
    for (const auto& [row, times] : field.rows_field->rows.Sorted()) {
      const std::vector<std::string_view> columns = SplitRow(row);
      if (field.column < columns.size()) {
        texts[std::string(columns[field.column])] += times;
      }
    }
  }
  return texts;
}

bool Statistics::HasTexts(const Field& field) const {
  return !field.texts.Empty() ||
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
