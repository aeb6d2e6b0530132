#include "presentation/ResultFields.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace quendaro {
namespace {

void VisitValue(std::string_view key, const Json& value, ResultFields& fields) {
  if (value.is_object()) {
    fields.BeginObject(key);
    for (const auto& [name, field] : value.items()) {
      VisitValue(name, field, fields);
    }
    fields.End();
  } else if (value.is_array()) {
    fields.BeginList(key);
    for (const Json& item : value) VisitValue({}, item, fields);
    fields.End();
  } else if (value.is_null()) {
    fields.Missing(key);
  } else if (value.is_number()) {
    fields.Number(key, value.get<double>());
  } else if (value.is_boolean()) {
    fields.Flag(key, value.get<bool>());
  } else if (value.is_string()) {
    fields.Text(key, value.get_ref<const std::string&>());
  }
}

}  // namespace

void VisitJson(const Json& result, ResultFields& fields) {
  for (const auto& [name, value] : result.items()) {
    VisitValue(name, value, fields);
  }
}

void NumberOrMissing(ResultFields& fields, std::string_view key,
                     std::optional<double> value) {
  if (!value || !std::isfinite(*value)) {
    fields.Missing(key);
  } else if (*value == std::floor(*value) && std::fabs(*value) < 1e15) {
    // Written as a whole number, so -0 reads as 0.
    fields.Number(key, static_cast<double>(static_cast<long long>(*value)));
  } else {
    fields.Number(key, *value);
  }
}

void ShownNumberField(ResultFields& fields, std::string_view key, float value) {
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
  fields.Number(key, slot.number);
}

void TextOrMissing(ResultFields& fields, std::string_view key,
                   std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) {
    fields.Missing(key);
  } else {
    fields.Text(key, text);
  }
}

}  // namespace quendaro
