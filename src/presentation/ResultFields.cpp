#include "presentation/ResultFields.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "character/AbilityTables.h"

namespace quendaro {
namespace {

void VisitValue(const std::string& path, const Json& value,
                ResultFields& fields) {
  if (value.is_object()) {
    for (const auto& [name, field] : value.items()) {
      VisitValue(path + "." + name, field, fields);
    }
  } else if (value.is_array()) {
    for (std::size_t i = 0; i < value.size(); ++i) {
      VisitValue(path + "[" + std::to_string(i) + "]", value[i], fields);
    }
  } else if (value.is_null()) {
    fields.Missing(path);
  } else if (value.is_number()) {
    fields.Number(path, value.get<double>());
  } else if (value.is_boolean()) {
    fields.Text(path, value.get<bool>() ? "true" : "false");
  } else if (value.is_string()) {
    fields.Text(path, value.get_ref<const std::string&>());
  }
}

}  // namespace

void ResultFields::TableRow(std::string_view path,
                            std::span<const std::string_view> keys,
                            std::string_view row) {
  const std::vector<std::string_view> columns = SplitRow(row);
  for (std::size_t i = 0; i < columns.size() && i < keys.size(); ++i) {
    Text(ColumnPath(path, keys[i]), columns[i]);
  }
}

std::string ColumnPath(std::string_view row_path, std::string_view key) {
  std::string path;
  path.reserve(row_path.size() + 1 + key.size());
  path.append(row_path).append(1, '.').append(key);
  return path;
}

void VisitJson(const Json& result, ResultFields& fields) {
  for (const auto& [name, value] : result.items()) {
    VisitValue(name, value, fields);
  }
}

void VisitNumberOrMissing(std::string_view path, std::optional<double> value,
                          ResultFields& fields) {
  if (!value || !std::isfinite(*value)) {
    fields.Missing(path);
  } else if (*value == std::floor(*value) && std::fabs(*value) < 1e15) {
    // Written as a whole number, so -0 reads as 0.
    fields.Number(path, static_cast<double>(static_cast<long long>(*value)));
  } else {
    fields.Number(path, *value);
  }
}

void VisitShownNumber(std::string_view path, float value,
                      ResultFields& fields) {
  // Many results share a value (a character's average takes a hundred or
  // so), and writing and reading its digits costs more than the rest of the
  // walk: each value's shown number is kept in a small table, by its bits.
  struct Shown {
    std::uint32_t bits = 0;
    bool known = false;
    double number = 0;
  };
  constexpr int kSlotBits = 8;
  thread_local std::array<Shown, std::size_t{1} << kSlotBits> shown{};
  const auto bits = std::bit_cast<std::uint32_t>(value);
  Shown& slot = shown[(bits * 2654435761u) >> (32 - kSlotBits)];
  if (!slot.known || slot.bits != bits) {
    slot = {bits, true, ShownNumber(value).get<double>()};
  }
  fields.Number(path, slot.number);
}

void VisitTextOrMissing(std::string_view path, std::string_view text,
                        ResultFields& fields) {
  if (text.find_first_not_of(' ') == std::string_view::npos) {
    fields.Missing(path);
  } else {
    fields.Text(path, text);
  }
}

}  // namespace quendaro
