#include "presentation/NpcPresentation.h"

#include <array>

#include "common/NumberText.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/Record.h"

namespace quendaro {

namespace {

constexpr std::array<SavingThrowNames, kSavingThrowCount> kSavingThrowNames = {
    {{"paralyzation", "Par", "paralisi", "Paralisi, veleno o morte magica"},
     {"rod", "Ver", "verga", "Verga, bastone o bacchetta"},
     {"petrification", "Pie", "pietrificazione",
      "Pietrificazione o metamorfosi"},
     {"breath", "Sof", "soffio", "Soffio"},
     {"spell", "Inc", "incantesimi", "Incantesimi"}}};

// The texts an NPC without a class group shows for its fighting numbers.
constexpr std::string_view kNoNumber = "—";

constexpr std::array<NpcColumn, 20> kColumns = {{
    {"Nome", "Nome", false},
    {"Razza", "Razza", false},
    {"Classe", "Classe", false},
    {"Allineamento", "Allineamento", false},
    {"Sesso", "Sesso", false},
    {"Età", "Età in anni", true},
    {"Liv.", "Livello", true},
    {"PF", "Punti ferita", true},
    {"THAC0", "THAC0: il tiro che colpisce la classe d'armatura 0", true},
    {"Par", "Tiro salvezza contro paralisi, veleno o morte magica", true},
    {"Ver", "Tiro salvezza contro verga, bastone o bacchetta", true},
    {"Pie", "Tiro salvezza contro pietrificazione o metamorfosi", true},
    {"Sof", "Tiro salvezza contro soffio", true},
    {"Inc", "Tiro salvezza contro incantesimi", true},
    {"FOR", "FORZA", true},
    {"DES", "DESTREZZA", true},
    {"COS", "COSTITUZIONE", true},
    {"INT", "INTELLIGENZA", true},
    {"SAG", "SAGGEZZA", true},
    {"CAR", "CARISMA", true},
}};

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

const SavingThrowNames& NamesOf(SavingThrow saving_throw) {
  return kSavingThrowNames[static_cast<std::size_t>(saving_throw)];
}

std::string PlainText(const Npc& npc, char decimal_separator) {
  std::string text = PlainText(npc.character, decimal_separator) +
                     "\nLIVELLO: " + WholeText(npc.level) +
                     "\nPF: " + HitPointsText(npc.hit_points);
  if (!npc.combat) return text;
  text += "\nTHAC0: " + WholeText(npc.combat->thac0) + "\nTIRI SALVEZZA: ";
  for (int i = 0; i < kSavingThrowCount; ++i) {
    if (i > 0) text += ", ";
    text += std::string(kSavingThrowNames[static_cast<std::size_t>(i)].word) +
            " " +
            WholeText(npc.combat->saving_throws[static_cast<std::size_t>(i)]);
  }
  return text;
}

std::span<const NpcColumn> NpcColumns() { return kColumns; }

std::vector<std::string> NpcRowTexts(const Npc& npc) {
  const CharacterSheet& sheet = npc.character;
  std::vector<std::string> texts = {sheet.name,
                                    sheet.race,
                                    sheet.character_class,
                                    sheet.alignment,
                                    sheet.sex,
                                    sheet.age,
                                    WholeText(npc.level),
                                    WholeText(npc.hit_points.hit_points)};
  if (npc.combat) {
    texts.push_back(WholeText(npc.combat->thac0));
    for (int saving_throw : npc.combat->saving_throws) {
      texts.push_back(WholeText(saving_throw));
    }
  } else {
    texts.insert(texts.end(), 1 + kSavingThrowCount, std::string(kNoNumber));
  }
  for (int i = 0; i < kAbilityCount; ++i) {
    texts.push_back(ScoreText(sheet, static_cast<Ability>(i)));
  }
  return texts;
}

std::string NpcMarkdownHeader() {
  std::string header = "|";
  std::string rule = "|";
  for (const NpcColumn& column : kColumns) {
    header += " " + std::string(column.heading) + " |";
    rule += "---|";
  }
  return header + "\n" + rule + "\n";
}

std::string Markdown(const Npc& npc) {
  std::string row = "|";
  for (const std::string& text : NpcRowTexts(npc)) {
    row += " " + MarkdownText(text) + " |";
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
  if (npc.combat) {
    json["thac0"] = npc.combat->thac0;
    Json saves;
    for (std::size_t i = 0; i < kSavingThrowNames.size(); ++i) {
      saves[std::string(kSavingThrowNames[i].key)] =
          npc.combat->saving_throws[i];
    }
    json["savingThrows"] = std::move(saves);
  } else {
    json["thac0"] = nullptr;
    json["savingThrows"] = nullptr;
  }
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
  if (!npc.combat) {
    fields.Missing("thac0");
    fields.Missing("savingThrows");
    return;
  }
  fields.Number("thac0", npc.combat->thac0);
  static const std::array<std::string, kSavingThrowCount> kSavePaths = [] {
    std::array<std::string, kSavingThrowCount> paths;
    for (std::size_t i = 0; i < paths.size(); ++i) {
      paths[i] = "savingThrows." + std::string(kSavingThrowNames[i].key);
    }
    return paths;
  }();
  for (std::size_t i = 0; i < kSavePaths.size(); ++i) {
    fields.Number(kSavePaths[i], npc.combat->saving_throws[i]);
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
