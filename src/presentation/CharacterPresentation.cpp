#include "presentation/CharacterPresentation.h"

#include "character/AbilityScores.h"
#include "character/AbilityTables.h"
#include "character/CharacterChoices.h"
#include "common/NumberText.h"
#include "presentation/Record.h"
#include "presentation/ResultFields.h"

namespace quendaro {

namespace {

// The keys of the scores and rows in a record, strength to charisma.
constexpr std::array<std::string_view, kAbilityCount> kAbilityKeys = {
    "strength",     "dexterity", "constitution",
    "intelligence", "wisdom",    "charisma"};

Ability AbilityAt(std::size_t i) { return static_cast<Ability>(i); }

std::string RowText(const CharacterSheet& sheet, std::size_t i) {
  return std::string(sheet.rows[i].value_or(""));
}

// "17", or "18/76" with the exceptional strength.
std::string ScoreWithPercentile(const CharacterSheet& sheet, std::size_t i) {
  std::string text = WholeText(sheet.scores[i]);
  if (i == 0 && sheet.exceptional_strength) {
    text += "/" + WholeText(*sheet.exceptional_strength);
  }
  return text;
}

std::string Title(const CharacterSheet& sheet) {
  return sheet.name.empty() ? std::string("Personaggio")
                            : "Personaggio: " + sheet.name;
}

// The particulars as the window shows them afterwards, caption and text; the
// name comes first and heads the sheet.
std::array<std::pair<std::string_view, std::string>, 9> Particulars(
    const CharacterSheet& sheet) {
  return {{
      {"Nome", sheet.name},
      {"Razza", sheet.race},
      {"Classe", sheet.character_class},
      {"Allineamento", sheet.alignment},
      {"Sesso", sheet.sex},
      {"Età", sheet.age + " anni"},
      {"Categoria d'età", sheet.age_category},
      {"Altezza", sheet.height.empty() ? "" : sheet.height + " cm"},
      {"Peso", sheet.weight.empty() ? "" : sheet.weight + " Kg"},
  }};
}

}  // namespace

std::string_view AbilityCaption(Ability ability) {
  return kAbilityCaptions[static_cast<std::size_t>(ability)];
}

std::string ScoreText(const CharacterSheet& sheet, Ability ability) {
  return ScoreWithPercentile(sheet, static_cast<std::size_t>(ability));
}

CharacterWindowTexts WindowTexts(const CharacterSheet& sheet,
                                 char decimal_separator) {
  CharacterWindowTexts texts;
  texts.clear_enabled = sheet.request.character_class != kNoClass &&
                        sheet.request.race != kNoRace;
  texts.age = sheet.age;
  texts.age_category = sheet.age_category;
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    texts.scores[i] = WholeText(sheet.scores[i]);
    texts.rows[i] = RowText(sheet, i);
  }
  texts.percentile = sheet.exceptional_strength
                         ? WholeText(*sheet.exceptional_strength)
                         : std::string();
  texts.total = WholeText(sheet.total);
  texts.average = SingleText(sheet.average, decimal_separator);
  if (sheet.preset) {
    texts.preset = PresetTexts{
        sheet.character_class, sheet.race, sheet.alignment, sheet.height,
        sheet.weight,          sheet.age,  sheet.sex};
  }
  return texts;
}

std::string PlainText(const CharacterSheet& sheet, char decimal_separator) {
  const CharacterWindowTexts shown = WindowTexts(sheet, decimal_separator);
  std::string text;
  for (const std::string& message : sheet.messages) text += message + "\n";
  text += "Nome: " + sheet.name + "\n";
  text += "Classe: " + sheet.character_class + "\n";
  text += "Razza: " + sheet.race + "\n";
  text += "Allineamento: " + sheet.alignment + "\n";
  text += "ALTEZZA: " + sheet.height + " cm\n";
  text += "PESO: " + sheet.weight + " Kg\n";
  text += "ETA' : " + sheet.age + " anni";
  if (!sheet.age_category.empty()) text += "  " + sheet.age_category;
  text += "\nSESSO: " + sheet.sex + "\n";
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    text += std::string(kAbilityCaptions[i]) + ": " + shown.scores[i];
    if (i == 0 && !shown.percentile.empty()) {
      text += "  " + shown.percentile + " / 100";
    }
    if (!shown.rows[i].empty()) text += "  " + shown.rows[i];
    text += "\n";
  }
  text += "MEDIA : " + shown.average + "\n";
  text += "TOTALE : " + shown.total;
  return text;
}

std::string Markdown(const CharacterSheet& sheet, char decimal_separator) {
  std::string md = "## " + MarkdownText(Title(sheet)) + "\n\n";
  for (const std::string& message : sheet.messages) {
    md += "> " + MarkdownText(message) + "\n";
  }
  if (!sheet.messages.empty()) md += "\n";

  const auto particulars = Particulars(sheet);
  std::string headings = "|", rule = "|", values = "|";
  for (std::size_t i = 1; i < particulars.size(); ++i) {
    headings += " " + std::string(particulars[i].first) + " |";
    rule += "---|";
    values += " " + MarkdownText(particulars[i].second) + " |";
  }
  md += headings + "\n" + rule + "\n" + values + "\n\n";

  md += "| Abilità | Punteggio | Tabella |\n|---|---|---|\n";
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    md += "| " + std::string(kAbilityCaptions[i]) + " | " +
          ScoreWithPercentile(sheet, i) + " | " +
          MarkdownText(RowText(sheet, i)) + " |\n";
  }
  md += "\nTotale " + WholeText(sheet.total) + ", media " +
        SingleText(sheet.average, decimal_separator) + ".\n";

  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    if (!sheet.rows[i]) continue;
    const auto columns = ColumnsOf(AbilityAt(i));
    const auto values = SplitRow(*sheet.rows[i]);
    md += "\n### " + std::string(kAbilityCaptions[i]) + " " +
          ScoreWithPercentile(sheet, i) + "\n\n|";
    for (const AbilityColumn& column : columns) {
      md += " " + std::string(column.heading) + " |";
    }
    md += "\n|";
    for (std::size_t c = 0; c < columns.size(); ++c) md += "---|";
    md += "\n|";
    for (std::string_view value : values) {
      md += " " + MarkdownText(value) + " |";
    }
    md += "\n";
  }
  return md;
}

Json ResultJson(const CharacterSheet& sheet) {
  Json scores = Json::object();
  Json rows = Json::object();
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    const std::string key(kAbilityKeys[i]);
    scores[key] = sheet.scores[i];
    if (!sheet.rows[i]) {
      rows[key] = nullptr;
      continue;
    }
    Json row = Json::object();
    const auto columns = ColumnsOf(AbilityAt(i));
    const auto values = SplitRow(*sheet.rows[i]);
    for (std::size_t c = 0; c < columns.size() && c < values.size(); ++c) {
      row[std::string(columns[c].key)] = std::string(values[c]);
    }
    rows[key] = std::move(row);
  }
  Json result;
  result["race"] = sheet.race;
  result["class"] = sheet.character_class;
  result["alignment"] = sheet.alignment;
  result["sex"] = sheet.sex;
  result["name"] = sheet.name;
  result["age"] = NumberOrNull(sheet.age_years);
  result["ageCategory"] = TextOrNull(sheet.age_category);
  result["height"] = NumberOrNull(sheet.height_cm);
  result["weight"] = NumberOrNull(sheet.weight_kg);
  result["scores"] = std::move(scores);
  result["exceptionalStrength"] = sheet.exceptional_strength
                                      ? Json(*sheet.exceptional_strength)
                                      : Json(nullptr);
  result["total"] = sheet.total;
  result["average"] = ShownNumber(sheet.average);
  result["rows"] = std::move(rows);
  result["messages"] = sheet.messages;
  result["preset"] = sheet.preset;
  return result;
}

void VisitResult(const CharacterSheet& sheet, ResultFields& fields) {
  // Every path the walk names, made once: "scores.strength" and
  // "rows.strength", and the keys of each row's columns.
  struct Paths {
    std::array<std::string, kAbilityCount> scores;
    std::array<std::string, kAbilityCount> rows;
    std::array<std::vector<std::string_view>, kAbilityCount> column_keys;
  };
  static const Paths paths = [] {
    Paths made;
    for (std::size_t i = 0; i < kAbilityCount; ++i) {
      const std::string key(kAbilityKeys[i]);
      made.scores[i] = "scores." + key;
      made.rows[i] = "rows." + key;
      for (const AbilityColumn& column : ColumnsOf(AbilityAt(i))) {
        made.column_keys[i].push_back(column.key);
      }
    }
    return made;
  }();

  fields.Text("race", sheet.race);
  fields.Text("class", sheet.character_class);
  fields.Text("alignment", sheet.alignment);
  fields.Text("sex", sheet.sex);
  fields.Text("name", sheet.name);
  VisitNumberOrMissing("age", sheet.age_years, fields);
  VisitTextOrMissing("ageCategory", sheet.age_category, fields);
  VisitNumberOrMissing("height", sheet.height_cm, fields);
  VisitNumberOrMissing("weight", sheet.weight_kg, fields);
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    fields.Number(paths.scores[i], sheet.scores[i]);
  }
  if (sheet.exceptional_strength) {
    fields.Number("exceptionalStrength", *sheet.exceptional_strength);
  } else {
    fields.Missing("exceptionalStrength");
  }
  fields.Number("total", sheet.total);
  VisitShownNumber("average", sheet.average, fields);
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    if (!sheet.rows[i]) {
      fields.Missing(paths.rows[i]);
      continue;
    }
    fields.TableRow(paths.rows[i], paths.column_keys[i], *sheet.rows[i]);
  }
  // A character raises at most a few messages; their paths are made once.
  static const std::array<std::string, 4> kMessagePaths = {
      "messages[0]", "messages[1]", "messages[2]", "messages[3]"};
  for (std::size_t i = 0; i < sheet.messages.size(); ++i) {
    if (i < kMessagePaths.size()) {
      fields.Text(kMessagePaths[i], sheet.messages[i]);
    } else {
      fields.Text("messages[" + std::to_string(i) + "]", sheet.messages[i]);
    }
  }
  fields.TableText("preset", sheet.preset ? "true" : "false");
}

Json DisplayJson(const CharacterSheet& sheet) {
  const CharacterWindowTexts shown = WindowTexts(sheet, '.');
  Json preset = nullptr;
  if (shown.preset) {
    const PresetTexts& p = *shown.preset;
    preset = Json{{"class", p.character_class},
                  {"race", p.race},
                  {"alignment", p.alignment},
                  {"height", p.height},
                  {"weight", p.weight},
                  {"age", p.age},
                  {"sex", p.sex}};
  }
  Json display;
  display["messages"] = sheet.messages;
  display["clearEnabled"] = shown.clear_enabled;
  display["age"] = shown.age;
  display["ageCategory"] = shown.age_category;
  display["scores"] = shown.scores;
  display["percentile"] = shown.percentile;
  display["total"] = shown.total;
  display["average"] = shown.average;
  display["rows"] = shown.rows;
  display["preset"] = std::move(preset);
  return display;
}

Json Record(const CharacterSheet& sheet, std::optional<std::int64_t> seed,
            std::uint64_t index) {
  return MakeRecord("character", seed, index, ResultJson(sheet),
                    DisplayJson(sheet));
}

}  // namespace quendaro
