#include "cli/Statistics.h"

#include <algorithm>
#include <charconv>

#include "common/NumberText.h"

namespace quendaro::cli {

namespace {

std::string Decimal(double number, char separator) {
  char buffer[32];
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

void Statistics::Add(const Record& record) {
  ++count_;
  for (const auto& [name, value] : record) AddValue(name, value);
}

void Statistics::AddValue(const std::string& path, const Value& value) {
  if (value.IsNull()) {
    AddText(path, "null");
  } else if (const std::string* text = value.Text()) {
    AddText(path, *text);
  } else if (const bool* flag = value.Flag()) {
    AddText(path, *flag ? "true" : "false");
  } else if (const double* number = value.Numeric()) {
    AddText(path, std::to_string(*number));
  } else if (const Value::Array* items = value.Items()) {
    for (std::size_t i = 0; i < items->size(); ++i) {
      AddValue(path + "[" + std::to_string(i) + "]", (*items)[i]);
    }
  } else if (const Value::Object* fields = value.Fields()) {
    for (const auto& [name, field] : *fields) {
      AddValue(path + "." + name, field);
    }
  }
}

void Statistics::AddText(const std::string& path, const std::string& text) {
  auto [it, inserted] = fields_.try_emplace(path);
  if (inserted) order_.push_back(path);
  Field& field = it->second;
  if (text.empty()) {
    ++field.empties;
    return;
  }
  const std::optional<double> number = ParseNumber(text, decimal_separator_);
  if (!number) {
    ++field.texts[text];
    ++field.others;
    return;
  }
  if (field.numbers == 0) {
    field.minimum = field.maximum = *number;
  } else {
    field.minimum = std::min(field.minimum, *number);
    field.maximum = std::max(field.maximum, *number);
  }
  field.sum += *number;
  ++field.numbers;
}

double Statistics::Percent(std::size_t times) const {
  return count_ == 0
             ? 0.0
             : 100.0 * static_cast<double>(times) / static_cast<double>(count_);
}

Value Statistics::Summary() const {
  Value::Object fields;
  for (const std::string& path : order_) {
    const Field& field = fields_.at(path);
    Value::Object summary;
    if (IsNumeric(field)) {
      summary.emplace_back("min", Value::Number(field.minimum));
      summary.emplace_back(
          "mean",
          Value::Number(field.sum / static_cast<double>(field.numbers)));
      summary.emplace_back("max", Value::Number(field.maximum));
      if (field.empties > 0) {
        summary.emplace_back("empty", Value::Number(Percent(field.empties)));
      }
    } else {
      Value::Object texts;
      if (field.empties > 0) {
        texts.emplace_back("", Value::Number(Percent(field.empties)));
      }
      for (const auto& [text, times] : field.texts) {
        texts.emplace_back(text, Value::Number(Percent(times)));
      }
      summary.emplace_back("texts", Value(std::move(texts)));
      if (field.numbers > 0) {
        summary.emplace_back(
            "numbers",
            Value(Value::Object{
                {"share", Value::Number(Percent(field.numbers))},
                {"min", Value::Number(field.minimum)},
                {"mean",
                 Value::Number(field.sum / static_cast<double>(field.numbers))},
                {"max", Value::Number(field.maximum)}}));
      }
    }
    fields.emplace_back(path, Value(std::move(summary)));
  }
  Value::Object root;
  root.emplace_back("count", Value::Number(static_cast<double>(count_)));
  root.emplace_back("fields", Value(std::move(fields)));
  return Value(std::move(root));
}

std::string Statistics::Text() const {
  const char sep = decimal_separator_;
  std::string out = "Generazioni: " + std::to_string(count_) + "\n";
  for (const std::string& path : order_) {
    const Field& field = fields_.at(path);
    if (IsNumeric(field)) {
      out += path + ": minimo " + Decimal(field.minimum, sep) + ", media " +
             Decimal(field.sum / static_cast<double>(field.numbers), sep) +
             ", massimo " + Decimal(field.maximum, sep);
      if (field.empties > 0) {
        out += ", vuoto " + Decimal(Percent(field.empties), sep) + " %";
      }
      out += "\n";
      continue;
    }
    out += path + ":\n";
    // Most frequent first, as a game master reads such a list.
    std::vector<std::pair<std::string, std::size_t>> texts(field.texts.begin(),
                                                           field.texts.end());
    if (field.empties > 0) texts.emplace_back("", field.empties);
    std::stable_sort(
        texts.begin(), texts.end(),
        [](const auto& a, const auto& b) { return a.second > b.second; });
    for (const auto& [text, times] : texts) {
      out += "  " + Decimal(Percent(times), sep) + " %  " +
             (text.empty() ? "(vuoto)" : text) + "\n";
    }
    if (field.numbers > 0) {
      out += "  " + Decimal(Percent(field.numbers), sep) +
             " %  numeri: minimo " + Decimal(field.minimum, sep) + ", media " +
             Decimal(field.sum / static_cast<double>(field.numbers), sep) +
             ", massimo " + Decimal(field.maximum, sep) + "\n";
    }
  }
  return out;
}

}  // namespace quendaro::cli
