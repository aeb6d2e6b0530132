#include "presentation/Record.h"

#include <string>
#include <utility>

#include "presentation/Utf8Text.h"

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
  return EscapeJsonControls(
      value.dump(-1, ' ', false, Json::error_handler_t::replace));
}

std::string EscapeJsonControls(std::string json) {
  // Most records hold nothing above 0x7e: one pass over the bytes finds
  // that, and the record goes out untouched.
  bool plain = true;
  for (char c : json) {
    if (static_cast<unsigned char>(c) >= 0x7f) {
      plain = false;
      break;
    }
  }
  if (plain) return json;
  std::string out;
  out.reserve(json.size());
  for (std::size_t at = 0; at < json.size();) {
    const Utf8Character decoded = DecodeUtf8At(json, at);
    const std::size_t length = decoded.length == 0 ? 1 : decoded.length;
    if (decoded.length > 0 && decoded.code_point >= 0x7f &&
        IsControlCharacter(decoded.code_point)) {
      out += UnicodeEscape(decoded.code_point);
    } else {
      out.append(json, at, length);
    }
    at += length;
  }
  return out;
}

}  // namespace quendaro
