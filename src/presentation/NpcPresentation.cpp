#include "presentation/NpcPresentation.h"

#include <array>

#include "common/NumberText.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/Record.h"

namespace quendaro {

namespace {

// The scores' column headings, strength to charisma, as Italian players
// abbreviate them.
constexpr std::array<std::string_view, kAbilityCount> kScoreHeadings = {
    "FOR", "DES", "COS", "INT", "SAG", "CAR"};

std::string HitPointsText(const NpcHitPoints& rolled) {
  std::string text = WholeText(rolled.hit_points);
  if (rolled.by_class.size() == 1) {
    return text + " (" +
           std::string(ClassGroupCaption(rolled.by_class[0].group)) + ")";
  }
  std::string parts;
  for (const ClassHitPoints& one : rolled.by_class) {
    if (!parts.empty()) parts += ", ";
    parts += std::string(ClassGroupCaption(one.group)) + " " +
             WholeText(one.hit_points);
  }
  return parts.empty() ? text : text + " (" + parts + ")";
}

}  // namespace

std::string PlainText(const Npc& npc, char decimal_separator) {
  return PlainText(npc.character, decimal_separator) +
         "\nLIVELLO: " + WholeText(npc.level) +
         "\nPF: " + HitPointsText(npc.hit_points);
}

std::string NpcMarkdownHeader() {
  std::string header =
      "| Nome | Razza | Classe | Allineamento | Sesso | "
      "Livello | PF |";
  std::string rule = "|---|---|---|---|---|---|---|";
  for (std::string_view heading : kScoreHeadings) {
    header += " " + std::string(heading) + " |";
    rule += "---|";
  }
  return header + "\n" + rule + "\n";
}

std::string Markdown(const Npc& npc) {
  const CharacterSheet& sheet = npc.character;
  std::string row = "| " + MarkdownText(sheet.name) + " | " +
                    MarkdownText(sheet.race) + " | " +
                    MarkdownText(sheet.character_class) + " | " +
                    MarkdownText(sheet.alignment) + " | " +
                    MarkdownText(sheet.sex) + " | " + WholeText(npc.level) +
                    " | " + WholeText(npc.hit_points.hit_points) + " |";
  for (int i = 0; i < kAbilityCount; ++i) {
    row += " " + ScoreText(sheet, static_cast<Ability>(i)) + " |";
  }
  return row + "\n";
}

void VisitResult(const Npc& npc, ResultFields& fields) {
  fields.BeginObject("character");
  VisitResult(npc.character, fields);
  fields.End();
  fields.Number("level", npc.level);
  fields.Number("hitPoints", npc.hit_points.hit_points);
  fields.BeginList("classHitPoints");
  for (const ClassHitPoints& one : npc.hit_points.by_class) {
    fields.BeginObject({});
    fields.Text("group", ClassGroupCaption(one.group));
    fields.Number("hitPoints", one.hit_points);
    fields.End();
  }
  fields.End();
}

Json DisplayJson(const Npc& npc) {
  Json json;
  json["character"] = DisplayJson(npc.character);
  json["level"] = WholeText(npc.level);
  json["hitPoints"] = WholeText(npc.hit_points.hit_points);
  return json;
}

Json Record(const Npc& npc, std::optional<std::int64_t> seed,
            std::uint64_t index) {
  return MakeRecord("npc", seed, index, ResultJson(npc), DisplayJson(npc));
}

}  // namespace quendaro
