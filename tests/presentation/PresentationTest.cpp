#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "character/AbilityTables.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/HitPointPresentation.h"
#include "presentation/Markup.h"
#include "presentation/NamePresentation.h"
#include "presentation/Record.h"
#include "presentation/Reproduction.h"
#include "presentation/Sheets.h"
#include "presentation/TreasurePresentation.h"
#include "presentation/WeaponPresentation.h"

namespace quendaro {
namespace {

// A character as the generator would leave it, scores and rows filled in.
CharacterSheet SheetWith(const AbilityScores& scores,
                         std::optional<int> percentile = std::nullopt) {
  CharacterSheet sheet;
  sheet.request.race = sheet.race = "Umano";
  sheet.request.character_class = sheet.character_class = "Guerriero(puro)";
  sheet.scores = scores;
  sheet.exceptional_strength = percentile;
  for (int i = 0; i < kAbilityCount; ++i) {
    sheet.total += scores[i];
    sheet.rows[i] = RowFor(static_cast<Ability>(i), scores[i], percentile);
  }
  sheet.average = static_cast<float>(sheet.total) / 6.0f;
  return sheet;
}

TEST(PresentationTest, CharacterAverageUsesTheSeparatorPassedIn) {
  struct Case {
    AbilityScores scores;
    char separator;
    std::string_view total;
    std::string_view average;
  };
  const Case cases[] = {
      {{13, 13, 13, 13, 13, 12}, ',', "77", "12,83333"},
      {{13, 13, 13, 13, 13, 12}, '.', "77", "12.83333"},
      {{12, 12, 12, 12, 12, 12}, ',', "72", "12"},
      {{11, 16, 16, 14, 13, 12}, ',', "82", "13,66667"},
      {{0, 0, 0, 0, 0, 0}, ',', "0", "0"},
  };
  for (const Case& c : cases) {
    const CharacterWindowTexts texts =
        WindowTexts(SheetWith(c.scores), c.separator);
    EXPECT_EQ(texts.total, c.total);
    EXPECT_EQ(texts.average, c.average);
    EXPECT_EQ(texts.percentile, "");
  }
  const CharacterWindowTexts zero =
      WindowTexts(SheetWith({0, 0, 0, 0, 0, 0}), '.');
  for (const std::string& row : zero.rows) EXPECT_EQ(row, "");
  for (const std::string& score : zero.scores) EXPECT_EQ(score, "0");
}

TEST(PresentationTest, ClearButtonFollowsTheChoicesAsAsked) {
  // The pre-set character replaces race and class, but a missing choice in
  // the request still keeps "Cancella" disabled.
  CharacterSheet sheet = SheetWith({11, 16, 16, 14, 13, 12});
  EXPECT_TRUE(WindowTexts(sheet, '.').clear_enabled);
  sheet.request.race = "nessuna";
  EXPECT_FALSE(WindowTexts(sheet, '.').clear_enabled);
  sheet.request.race = "Umano";
  sheet.request.character_class = "nessuna";
  EXPECT_FALSE(WindowTexts(sheet, '.').clear_enabled);
  EXPECT_FALSE(WindowTexts(sheet, '.').preset);
  sheet.preset = true;
  ASSERT_TRUE(WindowTexts(sheet, '.').preset);
  EXPECT_EQ(WindowTexts(sheet, '.').preset->race, "Umano");
}

TEST(PresentationTest, CharacterRecordHoldsNumbersAndTheSameTextsAsTheWindow) {
  CharacterSheet sheet = SheetWith({18, 10, 12, 9, 8, 21}, 76);
  sheet.name = "Aldo | *il* Rosso";
  sheet.age = "20";
  sheet.age_years = 20;
  sheet.age_category = "            ";
  const Json result = ResultJson(sheet);
  EXPECT_EQ(result["scores"]["strength"], 18);
  EXPECT_EQ(result["exceptionalStrength"], 76);
  EXPECT_EQ(result["total"], 78);
  EXPECT_EQ(result["average"], 13);
  EXPECT_EQ(result["age"], 20);
  EXPECT_TRUE(result["height"].is_null());
  EXPECT_TRUE(result["ageCategory"].is_null()) << "a blank caption is none";
  EXPECT_EQ(result["rows"]["strength"]["damageAdjustment"], "+4");
  EXPECT_EQ(result["rows"]["strength"]["bendBars"], "30%");
  EXPECT_TRUE(result["rows"]["charisma"].is_null() == false);
  EXPECT_EQ(result["rows"]["constitution"]["systemShock"], "80%");

  const Json display = DisplayJson(sheet);
  EXPECT_EQ(display["scores"][0], "18");
  EXPECT_EQ(display["percentile"], "76");
  EXPECT_EQ(display["average"], "13");
  EXPECT_EQ(display["rows"][0], "+2  +4  84  149,5  14  30% ");

  // A typed name cannot break the Markdown table it sits in.
  const std::string md = Markdown(sheet, ',');
  EXPECT_NE(md.find("Aldo \\| \\*il\\* Rosso"), std::string::npos);
  EXPECT_NE(md.find("| Prob. di colpire | Danni |"), std::string::npos);
  const std::string html = CharacterSheetHtml(sheet, ',', SheetFooter{});
  EXPECT_NE(html.find("<th>Piegare sbarre</th>"), std::string::npos);
}

TEST(PresentationTest, AverageInJsonHasTheSevenDigitsTheWindowShows) {
  EXPECT_EQ(JsonLine(ShownNumber(77.0f / 6.0f)), "12.83333");
  EXPECT_EQ(JsonLine(ShownNumber(82.0f / 6.0f)), "13.66667");
  EXPECT_EQ(JsonLine(ShownNumber(12.0f)), "12");
}

TEST(PresentationTest, InvalidUtf8BecomesAReplacementCharacter) {
  EXPECT_EQ(JsonLine(Json(std::string("Or\xffvo"))), "\"Or\xEF\xBF\xBDvo\"");
  EXPECT_EQ(JsonLine(Json(std::string("a\x1b"
                                      "b"))),
            "\"a\\u001bb\"");
}

// A name typed in a window with a terminal's control sequence (U+009B, the
// 8-bit CSI), DEL, a right-to-left override and isolate comes out escaped,
// as the command line writes it, and reads back as typed; an accent stays.
TEST(PresentationTest, RecordsEscapeWhatCouldFoolATerminalOrAReader) {
  const std::string name =
      "Lama\xC2\x9B"
      "2J\x7f\xE2\x80\xAE"
      "anrete\xE2\x81\xA7 \xC3\xA8";
  const std::string line = JsonLine(Json{{"name", name}});
  EXPECT_EQ(line,
            "{\"name\":\"Lama\\u009b2J\\u007f\\u202eanrete\\u2067 "
            "\xC3\xA8\"}");
  EXPECT_EQ(Json::parse(line)["name"], name);
  // What Qt wrote for a reopened entry, with the controls raw, likewise.
  EXPECT_EQ(EscapeJsonControls("\"a\xE2\x80\xAE\""), "\"a\\u202e\"");
}

TEST(PresentationTest, TreasureLinesKeepTheirTypeLetters) {
  TreasureResult result;
  result.counts = {1, 0, 2, 0, 0, 0, 0, 0, 0};
  result.totals = {5990, 0, 1200, 0, 14, 3};
  result.magic_lines[0] = "3 qualsiasi";
  result.magic_lines[2] = " 4 qualsiasi";
  const TreasureWindowTexts texts = WindowTexts(result);
  EXPECT_EQ(texts.totals[0], "5990");
  EXPECT_EQ(texts.magic_lines[2], " 4 qualsiasi");
  EXPECT_TRUE(PlainText(result).starts_with("TIPI : A×1 C×2\n"));
  const std::string md = Markdown(result);
  EXPECT_NE(md.find("| A | 3 qualsiasi |"), std::string::npos);
  EXPECT_NE(md.find("| C |  4 qualsiasi |"), std::string::npos);
  const Json json = ResultJson(result);
  EXPECT_EQ(json["totals"]["copper"], 5990);
  EXPECT_EQ(json["counts"]["C"], 2);
  EXPECT_TRUE(json["magicItems"]["B"].is_null());
  EXPECT_EQ(DisplayJson(result)["totals"]["copper"], "5990");
}

TEST(PresentationTest, WeaponSlotsAndSpecialPurposeAlwaysWritten) {
  WeaponResult weapon;
  weapon.languages = 2;
  weapon.bonus = 3;
  weapon.intelligence = 14;
  weapon.abilities[0] = "Individua passaggi inclinati nel raggio di 3m";
  weapon.ability_count = 1;
  weapon.ego = 6;
  WeaponWindowTexts texts = WindowTexts(weapon);
  EXPECT_EQ(texts.bonus, "+3");
  EXPECT_EQ(texts.ability2, "");
  EXPECT_EQ(texts.special_purpose, "");
  EXPECT_TRUE(ResultJson(weapon)["specialPurpose"].is_null());
  EXPECT_EQ(ResultJson(weapon)["abilities"].size(), 1u);
  EXPECT_EQ(ResultJson(weapon)["bonus"], 3);
}

TEST(PresentationTest, WeaponTextsCarryTheNotesAndTheWindowsOrder) {
  WeaponResult weapon;
  weapon.abilities = {"prima", "seconda", "terza"};
  weapon.ability_count = 3;
  weapon.special_purpose = SpecialPurpose{"scopo", "potere"};
  const WeaponNotes notes{"Morgul", "Spada"};
  const std::string text = PlainText(weapon, notes);
  EXPECT_TRUE(text.starts_with("Nome : Morgul\nTipo : Spada\n")) << text;
  EXPECT_TRUE(
      text.ends_with("\n  terza\n  prima\n  seconda\n  scopo\n"
                     "  potere"))
      << text;
  const std::string md = Markdown(weapon, notes);
  EXPECT_NE(md.find("| Nome | Morgul |\n| Tipo | Spada |"), std::string::npos);
  EXPECT_NE(md.find("- terza\n- prima\n- seconda\n"), std::string::npos);
  const Json result = Record(weapon, notes, std::nullopt, 0)["result"];
  EXPECT_EQ(result["name"], "Morgul");
  EXPECT_EQ(result["type"], "Spada");
  // A weapon the game master left unnamed says nothing of it.
  EXPECT_TRUE(PlainText(weapon, WeaponNotes{}).starts_with("Allineamento"));
  EXPECT_TRUE(Record(weapon, WeaponNotes{}, std::nullopt, 0)["result"]["type"]
                  .is_null());
}

TEST(PresentationTest, ReproducingCommandsSurviveTheShell) {
  EXPECT_EQ(ShellWord("Legale/buono"), "Legale/buono");
  EXPECT_EQ(ShellWord("Guerriero(puro)"), "'Guerriero(puro)'");
  EXPECT_EQ(ShellWord(""), "''");
  EXPECT_EQ(ShellWord("l'Orco $HOME"), "'l'\\''Orco $HOME'");
  const RandomState state{1, 3, 5};
  CharacterRequest request;
  request.name = "-Ugo";
  EXPECT_EQ(ReproducingCommand(request, state),
            "quendaro-cli character --as-typed --race nessuna --class nessuna "
            "--alignment nessuno --sex nessuno --name=-Ugo --age 1 "
            "--state 1_1_3_5");
  EXPECT_EQ(ReproducingCommand(WeaponNotes{}, state),
            "quendaro-cli weapon --state 1_1_3_5");
}

TEST(PresentationTest, HitPointsAndNamesMissingValuesAreNull) {
  HitPointResult none{ClassGroup::kSacerdote, "30", std::nullopt, false,
                      std::nullopt};
  EXPECT_EQ(PlainText(none),
            "Gruppo: Sacerdote\nN. Livello: 30\n"
            "Ritira se il punteggio è minore della metà: no\nPF: ");
  EXPECT_TRUE(ResultJson(none)["hitPoints"].is_null());
  EXPECT_EQ(ResultJson(none)["group"], "Sacerdote");
  HitPointResult some{ClassGroup::kMilitare, "3", 3, true, 21};
  EXPECT_EQ(ResultJson(some)["hitPoints"], 21);
  EXPECT_EQ(DisplayJson(some)["hitPoints"], "21");

  NameResult warned{NameChoice::kNone, "", kNoNameChoiceWarning};
  EXPECT_TRUE(ResultJson(warned)["name"].is_null());
  EXPECT_EQ(PlainText(warned), std::string(kNoNameChoiceWarning) + "\nNome: ");
}

TEST(PresentationTest, RecordsCarryTheirSchemaGeneratorSeedAndIndex) {
  const Json record = Record(HitPointResult{}, 42, 3);
  EXPECT_EQ(
      JsonLine(record).substr(0, 55),
      "{\"schema\":1,\"generator\":\"hitpoints\",\"seed\":42,\"index\":3");
  EXPECT_TRUE(Record(NameResult{}, std::nullopt, 0)["seed"].is_null());
  EXPECT_EQ(JsonLine(WithState(record, RandomState{10, 11, 12})).substr(0, 64),
            "{\"schema\":1,\"generator\":\"hitpoints\",\"seed\":42,"
            "\"state\":\"1_a_b_c\",");
}

}  // namespace
}  // namespace quendaro
