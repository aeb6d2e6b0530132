#include <gtest/gtest.h>

#include <array>
#include <span>
#include <string>
#include <vector>

#include "character/AbilityTables.h"
#include "character/CharacterChoices.h"
#include "character/CharacterGenerator.h"
#include "cli/Statistics.h"
#include "hitpoints/HitPointRoller.h"
#include "names/NameGenerator.h"
#include "npc/NpcGenerator.h"
#include "presentation/CharacterPresentation.h"
#include "presentation/HitPointPresentation.h"
#include "presentation/NamePresentation.h"
#include "presentation/NpcPresentation.h"
#include "presentation/ResultFields.h"
#include "presentation/TreasurePresentation.h"
#include "presentation/WeaponPresentation.h"
#include "random/RandomSource.h"
#include "treasure/TreasureGenerator.h"
#include "weapon/WeaponGenerator.h"

namespace quendaro::cli {
namespace {

// Every value a walk hands over, as one line under its path in the record:
// "N path value", "T path text" or "M path".
class Trace final : public ResultFields {
 public:
  void Number(std::string_view key, double value) override {
    lines.push_back("N " + Path(key) + " " + std::to_string(value));
  }
  void Text(std::string_view key, std::string_view text) override {
    lines.push_back("T " + Path(key) + " " + std::string(text));
  }
  void Flag(std::string_view key, bool value) override {
    Text(key, value ? "true" : "false");
  }
  void Missing(std::string_view key) override {
    lines.push_back("M " + Path(key));
  }
  void Row(std::string_view key, std::span<const std::string_view> column_keys,
           std::string_view row) override {
    BeginObject(key);
    const std::vector<std::string_view> columns = SplitRow(row);
    for (std::size_t i = 0; i < column_keys.size() && i < columns.size(); ++i) {
      Text(column_keys[i], columns[i]);
    }
    End();
  }
  void BeginObject(std::string_view key) override {
    open_.push_back({Path(key), false, 0});
  }
  void BeginList(std::string_view key) override {
    open_.push_back({Path(key), true, 0});
  }
  void End() override { open_.pop_back(); }

  std::vector<std::string> lines;

 private:
  std::string Path(std::string_view key) {
    if (open_.empty()) return std::string(key);
    Open& open = open_.back();
    if (open.list) return open.path + "[" + std::to_string(open.items++) + "]";
    return open.path + "." + std::string(key);
  }
  struct Open {
    std::string path;
    bool list;
    int items;
  };
  std::vector<Open> open_;
};

// A generator's walk of `result` hands over exactly what the walk of its
// record's "result" does, in the same order; and a summary made from
// either reads the same.
template <typename Result>
void ExpectSameWalk(const std::vector<Result>& results) {
  Statistics from_records(',');
  Statistics from_walks(',');
  for (const Result& result : results) {
    const Json record = ResultJson(result);
    Trace of_record;
    VisitJson(record, of_record);
    Trace of_walk;
    VisitResult(result, of_walk);
    ASSERT_EQ(of_walk.lines, of_record.lines) << record.dump();
    from_records.Add(record);
    from_walks.Begin();
    VisitResult(result, from_walks);
  }
  EXPECT_EQ(from_walks.Summary(), from_records.Summary());
  EXPECT_EQ(from_walks.Text(), from_records.Text());
}

TEST(StatisticsTest, PathsAndTextsThatDifferInOneByteStayApart) {
  // Long paths and texts alike but for one byte in the middle, or at the
  // end, and short ones of the same length.
  Statistics statistics('.');
  for (int i = 0; i < 3; ++i) {
    statistics.Begin();
    statistics.Number("rows.strength.aaaa", 1);
    statistics.Number("rows.strengtX.aaaa", 2);
    statistics.Text("ab", i == 0 ? "abcdefghijklmnopq" : "abcdefghXjklmnopq");
    statistics.Text("ac", i == 2 ? "+1" : "+2");
    statistics.Missing("rows.strength.aaab");
  }
  const Json fields = statistics.Summary()["fields"];
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields["rows.strength.aaaa"]["max"], 1.0);
  EXPECT_EQ(fields["rows.strengtX.aaaa"]["min"], 2.0);
  EXPECT_EQ(fields["ab"]["texts"]["abcdefghijklmnopq"]["count"], 1);
  EXPECT_EQ(fields["ab"]["texts"]["abcdefghXjklmnopq"]["count"], 2);
  EXPECT_EQ(fields["ac"]["texts"]["+1"]["count"], 1);
  EXPECT_EQ(fields["rows.strength.aaab"]["missing"], 3);
}

TEST(StatisticsTest, ListsOfEveryLengthCountEachValueUnderItsOwnPath) {
  // Results whose lists grow and shrink from one to the next, as a weapon's
  // abilities do: every value must land under its own path however the
  // results before it ran, and the paths come in the order first named.
  Statistics statistics('.');
  const std::vector<int> lengths = {1, 3, 0, 2, 3, 1, 12, 0, 2};
  for (int round = 0; round < 3; ++round) {
    for (int length : lengths) {
      statistics.Begin();
      statistics.Number("before", 1);
      for (int i = 0; i < length; ++i) {
        statistics.Number("list[" + std::to_string(i) + "]", i);
      }
      if (length % 2 == 1) statistics.Text("odd", "sì");
      statistics.Number("after", 2);
    }
  }
  const Json fields = statistics.Summary()["fields"];
  std::vector<std::string> order;
  for (const auto& [path, summary] : fields.items()) order.push_back(path);
  const std::vector<std::string> expected_order = {
      "before",  "list[0]", "odd",     "after",    "list[1]",
      "list[2]", "list[3]", "list[4]", "list[5]",  "list[6]",
      "list[7]", "list[8]", "list[9]", "list[10]", "list[11]"};
  EXPECT_EQ(order, expected_order);
  EXPECT_EQ(fields["before"]["count"], 27);
  EXPECT_EQ(fields["after"]["count"], 27);
  EXPECT_EQ(fields["after"]["min"], 2.0);
  EXPECT_EQ(fields["list[0]"]["count"], 21);
  EXPECT_EQ(fields["list[0]"]["max"], 0.0);
  EXPECT_EQ(fields["list[2]"]["count"], 9);
  EXPECT_EQ(fields["list[2]"]["min"], 2.0);
  EXPECT_EQ(fields["list[11]"]["count"], 3);
  EXPECT_EQ(fields["odd"]["texts"]["sì"]["count"], 12);
}

TEST(StatisticsTest, ATextIsCountedByItsWordsWhereverItLies) {
  // The same words at two places must be one entry, and a table of many
  // places must keep every count; words written over the last ones in the
  // same storage (as a character's sheet is, result after result) must
  // count as what they now say.
  static constexpr char kOnePlace[] = "Individuare il male";
  static constexpr char kOtherPlace[] = "Individuare il male";
  static constexpr std::array<char, 200> kMany = {};
  Statistics statistics('.');
  for (int i = 0; i < 4; ++i) {
    statistics.Begin();
    statistics.Text("ability", i % 2 == 0 ? kOnePlace : kOtherPlace);
    statistics.Begin();
    statistics.Text("ability", std::string(kOnePlace));
    for (std::size_t at = 0; at < kMany.size(); ++at) {
      statistics.Begin();
      statistics.Text("many", std::string_view(kMany.data() + at, 0));
      statistics.Text("sized", std::string_view(kOnePlace, at % 19 + 1));
    }
  }
  std::string reused = "Individuare il bene";
  for (const char* words : {"Individuare il male", "Individuare l'oro"}) {
    statistics.Begin();
    statistics.Text("reused", reused);
    reused.replace(0, reused.size(), words);
  }
  const Json fields = statistics.Summary()["fields"];
  const Json& ability = fields["ability"]["texts"];
  ASSERT_EQ(ability.size(), 1u);
  EXPECT_EQ(ability["Individuare il male"]["count"], 8);
  EXPECT_EQ(fields["many"]["texts"][""]["count"], 800);
  const Json& sized = fields["sized"]["texts"];
  ASSERT_EQ(sized.size(), 19u);
  EXPECT_EQ(sized["I"]["count"], 44);
  EXPECT_EQ(sized["Individuare il male"]["count"], 40);
  const Json& reused_texts = fields["reused"]["texts"];
  EXPECT_EQ(reused_texts.size(), 2u);
  EXPECT_EQ(reused_texts["Individuare il bene"]["count"], 1);
  EXPECT_EQ(reused_texts["Individuare il male"]["count"], 1);
}

TEST(StatisticsTest, ManyDifferentTextsAreEachCounted) {
  // Past the first few texts of a field the counts move to another store;
  // none may be lost or counted twice on the way.
  Statistics statistics('.');
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 100; ++i) {
      statistics.Begin();
      statistics.Text("name", "Nome" + std::to_string(i));
    }
  }
  const Json texts = statistics.Summary()["fields"]["name"]["texts"];
  ASSERT_EQ(texts.size(), 100u);
  for (const auto& [text, summary] : texts.items()) {
    EXPECT_EQ(summary["count"], 2) << text;
  }
}

TEST(StatisticsTest, CharacterWalkMatchesItsRecord) {
  // Every race with every class, so that refused combinations (zeroed
  // scores, missing rows, messages), warriors' exceptional strength and
  // ages out of range all appear; typed numbers both whole and not.
  const CharacterGenerator generator(',');
  std::vector<CharacterSheet> sheets;
  RandomSource random(5);
  const std::vector<std::string> ages = {"", "30", "900", "abc"};
  std::size_t n = 0;
  for (std::string_view race : kRaceChoices) {
    for (std::string_view character_class : kClassChoices) {
      CharacterRequest request;
      request.race = std::string(race);
      request.character_class = std::string(character_class);
      request.alignment = std::string(kAlignmentChoices[n % 9]);
      request.sex = std::string(kSexChoices[n % 2]);
      request.age = ages[n % ages.size()];
      request.height = n % 3 == 0 ? "" : "175,5";
      request.weight = n % 5 == 0 ? "-0" : "70";
      sheets.push_back(generator.Generate(request, random));
      ++n;
    }
  }
  ExpectSameWalk(sheets);
}

TEST(StatisticsTest,
     RowsFirstMissingThenPresentJoinTheSummaryWhereTheRecordNamesThem) {
  // A summary counts table rows by where they lie and splits them only when
  // written: the columns must still come in the order the records first
  // name them, after a first character whose rows were all missing, and the
  // same row text counted in two runs of results must add up.
  const CharacterGenerator generator(',');
  RandomSource random(11);
  CharacterRequest refused;
  refused.race = "Nano di collina";
  refused.character_class = "Paladino";
  refused.alignment = "Legale/buono";
  CharacterRequest warrior;
  warrior.race = "Umano";
  warrior.character_class = "Guerriero(puro)";
  warrior.alignment = "Legale/buono";
  std::vector<CharacterSheet> sheets;
  sheets.push_back(generator.Generate(refused, random));
  ASSERT_FALSE(sheets.back().rows[0].has_value());
  for (int i = 0; i < 300; ++i) {
    sheets.push_back(
        generator.Generate(i % 7 == 0 ? refused : warrior, random));
  }
  ExpectSameWalk(sheets);
}

TEST(StatisticsTest, OtherGeneratorsWalksMatchTheirRecords) {
  RandomSource random(8);
  std::vector<TreasureResult> treasures;
  const TreasureGenerator treasure;
  for (int i = 0; i < 200; ++i) {
    TreasureGenerator::Counts counts{};
    for (std::size_t type = 0; type < counts.size(); ++type) {
      counts[type] = static_cast<int>((i + type) % 6);
    }
    treasures.push_back(treasure.Generate(counts, random));
  }
  ExpectSameWalk(treasures);

  std::vector<WeaponResult> weapons;
  const WeaponGenerator weapon;
  for (int i = 0; i < 500; ++i) weapons.push_back(weapon.Generate(random));
  ExpectSameWalk(weapons);

  std::vector<HitPointResult> hit_points;
  const HitPointRoller roller(',');
  const std::vector<std::string> levels = {"", "1", "7", "3,5", "x", "25"};
  for (int i = 0; i < 120; ++i) {
    hit_points.push_back(roller.RollHitPoints(static_cast<ClassGroup>(i % 4),
                                              levels[i % levels.size()],
                                              i % 7 == 0, random));
  }
  ExpectSameWalk(hit_points);

  std::vector<NameResult> names;
  const NameGenerator name;
  for (int i = 0; i < 90; ++i) {
    names.push_back(name.GenerateName(static_cast<NameChoice>(i % 3), random));
  }
  ExpectSameWalk(names);

  // A whole NPC: the character's fields under "character.", and the hit
  // points of each class of a multi-class character.
  std::vector<Npc> npcs;
  const NpcGenerator npc;
  for (int i = 0; i < 200; ++i) {
    npcs.push_back(npc.Generate({1 + i % kHighestNpcLevel, {}}, random));
  }
  ExpectSameWalk(npcs);
}

}  // namespace
}  // namespace quendaro::cli
