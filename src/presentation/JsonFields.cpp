#include "presentation/JsonFields.h"

#include <cassert>
#include <cmath>
#include <string>
#include <utility>

#include "character/AbilityTables.h"

namespace quendaro {

JsonFields::JsonFields() : result_(Json::object()) {
  open_.push_back(&result_);
}

Json& JsonFields::Add(std::string_view key, Json value) {
  Json& into = *open_.back();
  if (into.is_array()) {
    into.push_back(std::move(value));
    return into.back();
  }
  Json& added = into[std::string(key)];
  added = std::move(value);
  return added;
}

void JsonFields::Number(std::string_view key, double value) {
  // A whole value is written without a fraction: 17, not 17.0.
  if (value == std::floor(value) && std::fabs(value) < 1e15) {
    Add(key, static_cast<long long>(value));
  } else {
    Add(key, value);
  }
}

void JsonFields::Text(std::string_view key, std::string_view text) {
  Add(key, std::string(text));
}

void JsonFields::Flag(std::string_view key, bool value) { Add(key, value); }

void JsonFields::Missing(std::string_view key) { Add(key, nullptr); }

void JsonFields::Row(std::string_view key,
                     std::span<const std::string_view> column_keys,
                     std::string_view row) {
  Json columns = Json::object();
  const std::vector<std::string_view> values = SplitRow(row);
  for (std::size_t i = 0; i < column_keys.size() && i < values.size(); ++i) {
    columns[std::string(column_keys[i])] = std::string(values[i]);
  }
  Add(key, std::move(columns));
}

void JsonFields::BeginObject(std::string_view key) {
  open_.push_back(&Add(key, Json::object()));
}

void JsonFields::BeginList(std::string_view key) {
  open_.push_back(&Add(key, Json::array()));
}

void JsonFields::End() {
  assert(open_.size() > 1 && "End without a matching Begin");
  if (open_.size() > 1) open_.pop_back();
}

Json JsonFields::Take() {
  assert(open_.size() == 1 && "a walk left an object or list open");
  return std::exchange(result_, Json::object());
}

}  // namespace quendaro
