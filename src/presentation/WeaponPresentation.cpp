#include "presentation/WeaponPresentation.h"

#include <array>
#include <utility>

#include "common/NumberText.h"
#include "presentation/JsonFields.h"
#include "presentation/Record.h"
#include "weapon/WeaponTypes.h"

namespace quendaro {

namespace {

std::string AbilityAt(const WeaponResult& result, int slot) {
  return slot < result.ability_count
             ? std::string(result.abilities[static_cast<std::size_t>(slot)])
             : std::string();
}

// The weapon's fields in the order a sheet lists them, caption and text.
std::array<std::pair<std::string_view, std::string>, 6> Fields(
    const WeaponWindowTexts& shown) {
  return {{
      {"Allineamento", shown.alignment},
      {"Intelligenza", shown.intelligence},
      {"Comunicazione", shown.communication},
      {"Bonus", shown.bonus},
      {"Lingue parlate", shown.languages},
      {"Ego", shown.ego},
  }};
}

// The name and type the game master gave, caption and text, as the window
// shows them; none when the boxes were left as they start.
std::vector<std::pair<std::string_view, std::string>> NoteFields(
    const WeaponNotes& notes) {
  std::vector<std::pair<std::string_view, std::string>> fields;
  if (notes.name.find_first_not_of(' ') != std::string::npos) {
    fields.emplace_back("Nome", notes.name);
  }
  if (!notes.type.empty() && notes.type != kNoWeaponType) {
    fields.emplace_back("Tipo", notes.type);
  }
  return fields;
}

}  // namespace

std::vector<WeaponLine> LinesInWindowOrder(const WeaponWindowTexts& shown) {
  const std::array<WeaponLine, 7> lines = {{
      {"Abilità", shown.ability3},
      {"Abilità", shown.ability1},
      {"Abilità", shown.ability2},
      {"Lettura", shown.reads_non_magical},
      {"Lettura", shown.reads_magical},
      {"Scopo speciale", shown.special_purpose},
      {"Potere dello scopo", shown.special_purpose_power},
  }};
  std::vector<WeaponLine> shown_lines;
  for (const WeaponLine& line : lines) {
    if (!line.text.empty()) shown_lines.push_back(line);
  }
  return shown_lines;
}

WeaponWindowTexts WindowTexts(const WeaponResult& result) {
  WeaponWindowTexts texts;
  texts.languages = WholeText(result.languages);
  texts.bonus = "+" + WholeText(result.bonus);
  texts.alignment = std::string(result.alignment);
  texts.intelligence = WholeText(result.intelligence);
  texts.communication = std::string(result.communication);
  texts.reads_non_magical = std::string(result.reads_non_magical);
  texts.reads_magical = std::string(result.reads_magical);
  texts.ability1 = AbilityAt(result, 0);
  texts.ability2 = AbilityAt(result, 1);
  texts.ability3 = AbilityAt(result, 2);
  if (result.special_purpose) {
    texts.special_purpose = std::string(result.special_purpose->purpose);
    texts.special_purpose_power = std::string(result.special_purpose->power);
  }
  texts.ego = WholeText(result.ego);
  return texts;
}

std::string PlainText(const WeaponResult& result, const WeaponNotes& notes) {
  const WeaponWindowTexts shown = WindowTexts(result);
  std::string text;
  for (const auto& [caption, value] : NoteFields(notes)) {
    text += std::string(caption) + " : " + value + "\n";
  }
  text += "Allineamento : " + shown.alignment +
          "\nIntelligenza : " + shown.intelligence +
          "\nComunicazione : " + shown.communication +
          "\nBonus : " + shown.bonus + "\nLingue parlate : " + shown.languages +
          "\nEgo : " + shown.ego +
          "\nAbilità dell'arma e/o poteri straordinari";
  for (const WeaponLine& line : LinesInWindowOrder(shown)) {
    text += "\n  " + line.text;
  }
  return text;
}

std::string Markdown(const WeaponResult& result, const WeaponNotes& notes) {
  const WeaponWindowTexts shown = WindowTexts(result);
  std::string md = "## Arma intelligente\n\n| Dato | Valore |\n|---|---|\n";
  for (const auto& [caption, value] : NoteFields(notes)) {
    md += "| " + std::string(caption) + " | " + MarkdownText(value) + " |\n";
  }
  for (const auto& [caption, value] : Fields(shown)) {
    md += "| " + std::string(caption) + " | " + MarkdownText(value) + " |\n";
  }
  md += "\n**Abilità dell'arma e/o poteri straordinari**\n\n";
  for (const WeaponLine& line : LinesInWindowOrder(shown)) {
    md += "- " + MarkdownText(line.text) + "\n";
  }
  return md;
}

void VisitResult(const WeaponResult& result, ResultFields& fields) {
  fields.Number("languages", result.languages);
  fields.Number("bonus", result.bonus);
  fields.Text("alignment", result.alignment);
  fields.Number("intelligence", result.intelligence);
  fields.Text("communication", result.communication);
  TextOrMissing(fields, "readsNonMagical", result.reads_non_magical);
  TextOrMissing(fields, "readsMagical", result.reads_magical);
  fields.BeginList("abilities");
  for (std::string_view ability : result.Abilities()) fields.Text({}, ability);
  fields.End();
  if (result.special_purpose) {
    fields.BeginObject("specialPurpose");
    fields.Text("purpose", result.special_purpose->purpose);
    fields.Text("power", result.special_purpose->power);
    fields.End();
  } else {
    fields.Missing("specialPurpose");
  }
  fields.Number("ego", result.ego);
}

void VisitResult(const WeaponResult& result, const WeaponNotes& notes,
                 ResultFields& fields) {
  TextOrMissing(fields, "name", notes.name);
  TextOrMissing(fields, "type",
                notes.type == kNoWeaponType ? std::string_view() : notes.type);
  VisitResult(result, fields);
}

Json DisplayJson(const WeaponResult& result) {
  const WeaponWindowTexts shown = WindowTexts(result);
  Json display;
  display["languages"] = shown.languages;
  display["bonus"] = shown.bonus;
  display["alignment"] = shown.alignment;
  display["intelligence"] = shown.intelligence;
  display["communication"] = shown.communication;
  display["readsNonMagical"] = shown.reads_non_magical;
  display["readsMagical"] = shown.reads_magical;
  display["ability1"] = shown.ability1;
  display["ability2"] = shown.ability2;
  display["ability3"] = shown.ability3;
  display["specialPurpose"] = shown.special_purpose;
  display["specialPurposePower"] = shown.special_purpose_power;
  display["ego"] = shown.ego;
  return display;
}

Json Record(const WeaponResult& result, const WeaponNotes& notes,
            std::optional<std::int64_t> seed, std::uint64_t index) {
  JsonFields json;
  VisitResult(result, notes, json);
  return MakeRecord("weapon", seed, index, json.Take(), DisplayJson(result));
}

}  // namespace quendaro
