#include "presentation/HitPointPresentation.h"

#include "common/NumberText.h"
#include "presentation/Record.h"

namespace quendaro {

namespace {

std::string LevelText(const HitPointResult& result) {
  return result.level ? WholeText(*result.level) : result.level_text;
}

}  // namespace

std::string WindowText(const HitPointResult& result) {
  return result.hit_points ? WholeText(*result.hit_points) : std::string();
}

std::string PlainText(const HitPointResult& result) {
  return "Gruppo: " + std::string(ClassGroupCaption(result.group)) +
         "\nN. Livello: " + LevelText(result) +
         "\nRitira se il punteggio è minore della metà: " +
         (result.reroll ? "sì" : "no") + "\nPF: " + WindowText(result);
}

std::string Markdown(const HitPointResult& result) {
  return "| Gruppo | Livello | Ritira | PF |\n|---|---|---|---|\n| " +
         std::string(ClassGroupCaption(result.group)) + " | " +
         MarkdownText(LevelText(result)) + " | " +
         (result.reroll ? "sì" : "no") + " | " + WindowText(result) + " |\n";
}

void VisitResult(const HitPointResult& result, ResultFields& fields) {
  fields.Text("group", ClassGroupCaption(result.group));
  if (result.level) {
    fields.Number("level", *result.level);
  } else {
    fields.Missing("level");
  }
  fields.Flag("reroll", result.reroll);
  if (result.hit_points) {
    fields.Number("hitPoints", *result.hit_points);
  } else {
    fields.Missing("hitPoints");
  }
}

Json DisplayJson(const HitPointResult& result) {
  return Json{{"hitPoints", WindowText(result)}};
}

Json Record(const HitPointResult& result, std::optional<std::int64_t> seed,
            std::uint64_t index) {
  return MakeRecord("hitpoints", seed, index, ResultJson(result),
                    DisplayJson(result));
}

}  // namespace quendaro
