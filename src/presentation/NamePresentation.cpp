#include "presentation/NamePresentation.h"

#include "presentation/Record.h"

namespace quendaro {

namespace {

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

void VisitResult(const NameResult& result, ResultFields& fields) {
  switch (result.choice) {
    case NameChoice::kMale:
      fields.Text("sex", "male");
      break;
    case NameChoice::kFemale:
      fields.Text("sex", "female");
      break;
    case NameChoice::kNone:
      fields.Missing("sex");
      break;
  }
  if (result.warning) {
    fields.Missing("name");
    fields.Text("warning", *result.warning);
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
