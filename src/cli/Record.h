#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quendaro::cli {

// One generation's result as named fields in a fixed order, the shape both
// the JSON output and the statistics read. Values are the generator's texts,
// with the few booleans, arrays, objects and nulls the output needs.
class Value {
 public:
  using Array = std::vector<Value>;
  using Object = std::vector<std::pair<std::string, Value>>;

  Value() = default;  // null
  Value(std::string text) : data_(std::move(text)) {}
  Value(std::string_view text) : data_(std::string(text)) {}
  Value(const char* text) : data_(std::string(text)) {}
  Value(bool flag) : data_(flag) {}
  Value(Array items) : data_(std::move(items)) {}
  Value(Object fields) : data_(std::move(fields)) {}

  static Value Strings(const std::vector<std::string>& texts);
  static Value Number(double number);

  bool IsNull() const { return std::holds_alternative<std::monostate>(data_); }
  const std::string* Text() const { return std::get_if<std::string>(&data_); }
  const bool* Flag() const { return std::get_if<bool>(&data_); }
  const double* Numeric() const { return std::get_if<double>(&data_); }
  const Array* Items() const { return std::get_if<Array>(&data_); }
  const Object* Fields() const { return std::get_if<Object>(&data_); }

 private:
  std::variant<std::monostate, std::string, bool, double, Array, Object> data_;
};

using Record = Value::Object;

// The record as one line of JSON (no trailing newline). Texts are written as
// UTF-8; bytes that are not valid UTF-8 become U+FFFD so that the line stays
// valid JSON whatever a user typed.
std::string ToJson(const Value& value);

}  // namespace quendaro::cli
