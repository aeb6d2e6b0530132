#include <gtest/gtest.h>

#include <string>

#include "presentation/NpcPresentation.h"

namespace quendaro {
namespace {

// A half-elf fighter/mage/thief of level 2 who rolled 18/45 strength.
Npc FighterMageThief() {
  Npc npc;
  CharacterSheet& sheet = npc.character;
  sheet.name = "Gwenaard|rak";  // a bar would split a Markdown cell
  sheet.race = "Mezzelfo";
  sheet.character_class = "Guerriero/mago/ladro";
  sheet.alignment = "Caotico/buono";
  sheet.sex = "Maschio";
  sheet.age = "1";
  sheet.scores = {18, 14, 12, 15, 12, 9};
  sheet.exceptional_strength = 45;
  sheet.total = 80;
  sheet.average = 80.0f / 6.0f;
  npc.level = 2;
  npc.hit_points.by_class = {{ClassGroup::kMilitare, 15},
                             {ClassGroup::kEspertoDiMagia, 5},
                             {ClassGroup::kVagabondo, 9}};
  npc.hit_points.hit_points = 9;
  npc.combat = CombatNumbersOfClass(sheet.character_class, npc.level);
  return npc;
}

TEST(NpcPresentationTest, TextEndsWithLevelAndEachClasssHitPoints) {
  const std::string text = PlainText(FighterMageThief(), ',');
  // THAC0 as a warrior's, each saving throw the best of the three classes.
  EXPECT_TRUE(text.ends_with(
      "\nLIVELLO: 2\nPF: 9 (Militare 15, Esperto di magia 5, Vagabondo 9)"
      "\nTHAC0: 19\nTIRI SALVEZZA: paralisi 13, verga 11, pietrificazione 12, "
      "soffio 15, incantesimi 12"))
      << text;
  EXPECT_NE(text.find("MEDIA : 13,33333"), std::string::npos) << text;

  Npc single = FighterMageThief();
  single.hit_points.by_class = {{ClassGroup::kSacerdote, 7}};
  single.hit_points.hit_points = 7;
  single.combat.reset();
  EXPECT_TRUE(PlainText(single, '.').ends_with("\nPF: 7 (Sacerdote)"));
}

TEST(NpcPresentationTest, MarkdownRowHasACellForEveryHeading) {
  const std::string row = Markdown(FighterMageThief());
  EXPECT_EQ(
      row,
      "| Gwenaard\\|rak | Mezzelfo | Guerriero/mago/ladro | Caotico/buono "
      "| Maschio | 1 | 2 | 9 | 19 | 13 | 11 | 12 | 15 | 12 | 18/45 | 14 | 12 "
      "| 15 | 12 | 9 |\n");
  const std::string header = NpcMarkdownHeader();
  const auto cells = [](const std::string& line) {
    std::size_t bars = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '|' && (i == 0 || line[i - 1] != '\\')) ++bars;
    }
    return bars - 1;
  };
  const std::string heading = header.substr(0, header.find('\n'));
  const std::string rule = header.substr(header.find('\n') + 1);
  EXPECT_EQ(cells(heading), 20u);
  EXPECT_EQ(cells(rule.substr(0, rule.size() - 1)), 20u);
  EXPECT_EQ(cells(row.substr(0, row.size() - 1)), 20u);
}

TEST(NpcPresentationTest, RecordHoldsTheCharacterLevelAndHitPoints) {
  const Json record = Record(FighterMageThief(), 4, 2);
  EXPECT_EQ(record["generator"], "npc");
  EXPECT_EQ(record["seed"], 4);
  EXPECT_EQ(record["index"], 2);
  const Json& result = record["result"];
  EXPECT_EQ(result["character"]["class"], "Guerriero/mago/ladro");
  EXPECT_EQ(result["character"]["exceptionalStrength"], 45);
  EXPECT_EQ(result["level"], 2);
  EXPECT_EQ(result["hitPoints"], 9);
  EXPECT_EQ(result["classHitPoints"].dump(),
            R"([{"group":"Militare","hitPoints":15},)"
            R"({"group":"Esperto di magia","hitPoints":5},)"
            R"({"group":"Vagabondo","hitPoints":9}])");
  EXPECT_EQ(result["thac0"], 19);
  EXPECT_EQ(result["savingThrows"].dump(),
            R"({"paralyzation":13,"rod":11,"petrification":12,"breath":15,)"
            R"("spell":12})");
  EXPECT_EQ(record["display"]["level"], "2");
  EXPECT_EQ(record["display"]["hitPoints"], "9");
  EXPECT_EQ(record["display"]["character"]["scores"][0], "18");
}

}  // namespace
}  // namespace quendaro
