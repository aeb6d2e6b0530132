#include "presentation/CharacterPresentation.h"

#include "character/AbilityScores.h"
#include "character/AbilityTables.h"
#include "character/CharacterChoices.h"
#include "common/NumberText.h"
#include "presentation/JsonFields.h"
#include "presentation/Record.h"

namespace quendaro {

namespace {

// The keys of the scores and rows in a record, strength to charisma.
constexpr std::array<std::string_view, kAbilityCount> kAbilityKeys = {
    "strength",     "dexterity", "constitution",
    "intelligence", "wisdom",    "charisma"};

Ability AbilityAt(std::size_t i) { return static_cast<Ability>(i); }

// The keys of the columns of each ability's table in a record, made once.
std::span<const std::string_view> ColumnKeysOf(Ability ability) {
  static const auto keys = [] {
    std::array<std::vector<std::string_view>, kAbilityCount> made;
    for (std::size_t i = 0; i < kAbilityCount; ++i) {
      for (const AbilityColumn& column : ColumnsOf(AbilityAt(i))) {
        made[i].push_back(column.key);
      }
    }
    return made;
  }();
  return keys[static_cast<std::size_t>(ability)];
}

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

void VisitResult(const CharacterSheet& sheet, ResultFields& fields) {
  fields.Text("race", sheet.race);
  fields.Text("class", sheet.character_class);
  fields.Text("alignment", sheet.alignment);
  fields.Text("sex", sheet.sex);
  fields.Text("name", sheet.name);
  NumberOrMissing(fields, "age", sheet.age_years);
  TextOrMissing(fields, "ageCategory", sheet.age_category);
  NumberOrMissing(fields, "height", sheet.height_cm);
  NumberOrMissing(fields, "weight", sheet.weight_kg);
  fields.BeginObject("scores");
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    fields.Number(kAbilityKeys[i], sheet.scores[i]);
  }
  fields.End();
  if (sheet.exceptional_strength) {
    fields.Number("exceptionalStrength", *sheet.exceptional_strength);
  } else {
    fields.Missing("exceptionalStrength");
  }
  fields.Number("total", sheet.total);
  ShownNumberField(fields, "average", sheet.average);
  fields.BeginObject("rows");
  for (std::size_t i = 0; i < kAbilityCount; ++i) {
    if (sheet.rows[i]) {
      fields.Row(kAbilityKeys[i], ColumnKeysOf(AbilityAt(i)), *sheet.rows[i]);
    } else {
      fields.Missing(kAbilityKeys[i]);
    }
  }
  fields.End();
  fields.BeginList("messages");
  for (const std::string& message : sheet.messages) fields.Text({}, message);
  fields.End();
  fields.Flag("preset", sheet.preset);
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
