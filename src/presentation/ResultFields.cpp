#include "presentation/ResultFields.h"

#include <cmath>
#include <string>

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
  // Results in a row often share a value (a character's average has a
  // hundred or so), and writing and reading its digits costs more than the
  // rest of the walk.
  thread_local float last_value = 0;
  thread_local double last_shown = ShownNumber(0).get<double>();
  if (value != last_value ||
      std::signbit(value) != std::signbit(last_value)) {
    last_value = value;
    last_shown = ShownNumber(value).get<double>();
  }
  fields.Number(path, last_shown);
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
