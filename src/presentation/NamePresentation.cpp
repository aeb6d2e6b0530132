#include "presentation/NamePresentation.h"

#include "presentation/Record.h"

namespace quendaro {

namespace {

Json SexKey(NameChoice choice) {
  switch (choice) {
    case NameChoice::kNone:
      return nullptr;
    case NameChoice::kMale:
      return "male";
    case NameChoice::kFemale:
      return "female";
  }
  return nullptr;
}

Json Warning(const NameResult& result) {
  return result.warning ? Json(std::string(*result.warning)) : Json(nullptr);
}

}  // namespace

std::string PlainText(const NameResult& result) {
  std::string text;
  if (result.warning) text = std::string(*result.warning) + "\n";
  return text + "Nome: " + result.name;
}

std::string Markdown(const NameResult& result) {
  if (result.warning) return "> " + MarkdownText(*result.warning) + "\n";
  return "- " + MarkdownText(result.name) + "\n";
}

Json ResultJson(const NameResult& result) {
  Json json;
  json["sex"] = SexKey(result.choice);
  json["name"] = result.warning ? Json(nullptr) : Json(result.name);
  json["warning"] = Warning(result);
  return json;
}

void VisitResult(const NameResult& result, ResultFields& fields) {
  switch (result.choice) {
    case NameChoice::kMale:
      fields.TableText("sex", "male");
      break;
    case NameChoice::kFemale:
      fields.TableText("sex", "female");
      break;
    case NameChoice::kNone:
      fields.Missing("sex");
      break;
  }
  if (result.warning) {
    fields.Missing("name");
    fields.TableText("warning", *result.warning);
  } else {
    fields.Text("name", result.name);
    fields.Missing("warning");
  }
}

Json DisplayJson(const NameResult& result) {
  return Json{{"name", result.name}, {"warning", Warning(result)}};
}

Json Record(const NameResult& result, std::optional<std::int64_t> seed,
            std::uint64_t index) {
  return MakeRecord("name", seed, index, ResultJson(result),
                    DisplayJson(result));
}

}  // namespace quendaro
