#include "presentation/Record.h"

#include <string>
#include <utility>

namespace quendaro {

Json MakeRecord(std::string_view generator, std::optional<std::int64_t> seed,
                std::uint64_t index, Json result, Json display) {
  Json record;
  record["schema"] = kRecordSchema;
  record["generator"] = std::string(generator);
  record["seed"] = seed ? Json(*seed) : Json(nullptr);
  record["index"] = index;
  record["result"] = std::move(result);
  record["display"] = std::move(display);
  return record;
}

Json WithState(Json record, const RandomState& state) {
  Json stated = Json::object();
  for (auto& [key, value] : record.items()) {
    stated[key] = std::move(value);
    if (key == "seed") stated["state"] = StateText(state);
  }
  return stated;
}

std::string JsonLine(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace quendaro
