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
// become "character.race" and so on. A path is put together in a buffer of
// the walk's own, so that a long run of results makes no strings for it.
class PrefixedFields final : public ResultFields {
 public:
  PrefixedFields(std::string_view prefix, ResultFields& fields)
      : fields_(fields), prefix_(prefix) {}

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
  void TableText(std::string_view path, std::string_view text) override {
    fields_.TableText(Path(path), text);
  }

 private:
  std::string_view Path(std::string_view path) {
    const std::size_t size = prefix_.size() + path.size();
    if (size > buffer_.size()) {
      long_path_.assign(prefix_);
      long_path_.append(path);
      return long_path_;
    }
    prefix_.copy(buffer_.data(), prefix_.size());
    path.copy(buffer_.data() + prefix_.size(), path.size());
    return {buffer_.data(), size};
  }

  ResultFields& fields_;
  std::string_view prefix_;
  std::array<char, 96> buffer_;
  std::string long_path_;
};

}  // namespace

void VisitResult(const Npc& npc, ResultFields& fields) {
  PrefixedFields character("character.", fields);
  VisitResult(npc.character, character);
  fields.Number("level", npc.level);
  fields.Number("hitPoints", npc.hit_points.hit_points);
  // The paths of each class's hit points, made once for the few classes a
  // character can have and on demand past them.
  struct ClassPaths {
    std::string group;
    std::string hit_points;
  };
  const auto paths_of = [](std::size_t i) {
    const std::string index = "classHitPoints[" + std::to_string(i) + "]";
    return ClassPaths{index + ".group", index + ".hitPoints"};
  };
  static const std::array<ClassPaths, 4> kFirstPaths = {
      paths_of(0), paths_of(1), paths_of(2), paths_of(3)};
  ClassPaths made;  // past the first few
  for (std::size_t i = 0; i < npc.hit_points.by_class.size(); ++i) {
    const ClassHitPoints& one = npc.hit_points.by_class[i];
    const ClassPaths& paths =
        i < kFirstPaths.size() ? kFirstPaths[i] : (made = paths_of(i));
    fields.TableText(paths.group, ClassGroupCaption(one.group));
    fields.Number(paths.hit_points, one.hit_points);
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
