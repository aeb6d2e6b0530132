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
  if (!npc.combat) {
    fields.Missing("thac0");
    fields.Missing("savingThrows");
    return;
  }
  fields.Number("thac0", npc.combat->thac0);
  fields.BeginObject("savingThrows");
  for (std::size_t i = 0; i < kSavingThrowNames.size(); ++i) {
    fields.Number(kSavingThrowNames[i].key, npc.combat->saving_throws[i]);
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
