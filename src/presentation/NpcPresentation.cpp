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

Json ResultJson(const Npc& npc) {
  Json by_class = Json::array();
  for (const ClassHitPoints& one : npc.hit_points.by_class) {
    Json entry;
    entry["group"] = std::string(ClassGroupCaption(one.group));
    entry["hitPoints"] = one.hit_points;
    by_class.push_back(std::move(entry));
  }
  Json json;
  json["character"] = ResultJson(npc.character);
  json["level"] = npc.level;
  json["hitPoints"] = npc.hit_points.hit_points;
  json["classHitPoints"] = std::move(by_class);
  return json;
}

namespace {

// Hands values on with `prefix` before each path: the character's fields
// become "character.race" and so on.
class PrefixedFields final : public ResultFields {
 public:
  PrefixedFields(std::string_view prefix, ResultFields& fields)
      : fields_(fields), prefix_size_(prefix.size()) {
    path_.reserve(64);
    path_.assign(prefix);
  }

  void Number(std::string_view path, double value) override {
    fields_.Number(Path(path), value);
  }
  void Text(std::string_view path, std::string_view text) override {
    fields_.Text(Path(path), text);
  }
  void Missing(std::string_view path) override { fields_.Missing(Path(path)); }
  void TableRow(std::string_view path, std::span<const std::string_view> keys,
                std::string_view row) override {
    fields_.TableRow(Path(path), keys, row);
  }

 private:
  std::string_view Path(std::string_view path) {
    path_.resize(prefix_size_);
    path_.append(path);
    return path_;
  }

  ResultFields& fields_;
  std::size_t prefix_size_;
  std::string path_;
};

}  // namespace

void VisitResult(const Npc& npc, ResultFields& fields) {
  PrefixedFields character("character.", fields);
  VisitResult(npc.character, character);
  fields.Number("level", npc.level);
  fields.Number("hitPoints", npc.hit_points.hit_points);
  PrefixedFields by_class("classHitPoints", fields);
  for (std::size_t i = 0; i < npc.hit_points.by_class.size(); ++i) {
    const ClassHitPoints& one = npc.hit_points.by_class[i];
    const std::string index = "[" + std::to_string(i) + "]";
    by_class.Text(index + ".group", ClassGroupCaption(one.group));
    by_class.Number(index + ".hitPoints", one.hit_points);
  }
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
