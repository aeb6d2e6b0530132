#include "cli/Statistics.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

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

// Whether two short texts are the same, compared eight bytes at a time: the
// paths and texts of a result are mostly shorter than 32 bytes, and the call
// to a general comparison costs more than comparing them.
bool SameText(std::string_view a, std::string_view b) {
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

}  // namespace

void Statistics::Add(const Json& result) {
  Begin();
  VisitJson(result, *this);
}

void Statistics::Begin() {
  ++count_;
  position_ = 0;
}

Statistics::Field& Statistics::FieldAt(std::string_view path) {
  if (position_ < trail_.size() && SameText(trail_[position_].first, path)) {
    return *trail_[position_++].second;
  }
  auto it = fields_.find(path);
  if (it == fields_.end()) {
    it = fields_.emplace(std::string(path), Field{}).first;
    order_.emplace_back(path);
  }
  std::pair<std::string, Field*> step(std::string(path), &it->second);
  if (position_ < trail_.size()) {
    trail_[position_] = std::move(step);
  } else {
    trail_.push_back(std::move(step));
  }
  ++position_;
  return it->second;
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
    if (!field.texts.Empty()) {
      Json texts = Json::object();
      for (const auto& [text, times] : field.texts.Sorted()) {
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
    if (field.texts.Empty() && field.numbers > 0) continue;
    out += path + ":\n";
    // Most frequent first, as a game master reads such a list.
    const std::map<std::string, std::size_t> sorted = field.texts.Sorted();
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
