#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "presentation/Markup.h"
#include "presentation/ResultFields.h"

namespace quendaro {

// Writes a result's walk as its record's "result": nested objects and lists
// as the walk opens them, whole numbers as whole numbers, a table row as an
// object of its columns.
class JsonFields final : public ResultFields {
 public:
  JsonFields();

  void Number(std::string_view key, double value) override;
  void Text(std::string_view key, std::string_view text) override;
  void Flag(std::string_view key, bool value) override;
  void Missing(std::string_view key) override;
  void Row(std::string_view key, std::span<const std::string_view> column_keys,
           std::string_view row) override;
  void BeginObject(std::string_view key) override;
  void BeginList(std::string_view key) override;
  void End() override;

  // The object written so far; the walk must have closed all it opened.
  Json Take();

 private:
  // Adds `value` under `key` to the innermost open object, or at the end of
  // the innermost open list.
  Json& Add(std::string_view key, Json value);

  Json result_;
  // The open objects and lists, outermost first. Only the innermost grows,
  // so the places of the others stay put.
  std::vector<Json*> open_;
};

// The record's "result" of any result with a VisitResult walk.
template <typename Result>
Json ResultJson(const Result& result) {
  JsonFields json;
  VisitResult(result, json);
  return json.Take();
}

}  // namespace quendaro
