#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "support/Draws.h"
#include "treasure/TreasureGenerator.h"
#include "treasure/contents/ContentsGenerator.h"
#include "treasure/contents/ContentsSeed.h"
#include "treasure/contents/MagicLine.h"

namespace quendaro {
namespace {

using testing::DrawFor;
using Counts = TreasureGenerator::Counts;

// The sum of the numbers written in a magic-item line: "2 + 1 pozione" asks
// for three items.
int NumbersIn(std::string_view line) {
  int sum = 0;
  int number = 0;
  for (char c : line) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      number = number * 10 + (c - '0');
    } else {
      sum += number;
      number = 0;
    }
  }
  return sum + number;
}

// The contents of one lair made of scripted contents draws.
LairContents ContentsWith(const TreasureResult& lair,
                          std::vector<float> draws) {
  RandomSource random = ContentsGenerator::SourceFor(1);
  random.ScriptDraws(std::move(draws));
  return ContentsGenerator().Generate(lair, random);
}

// A lair and the seed of its contents.
TreasureResult LairWithSeed(const TreasureGenerator& lairs,
                            const Counts& counts, RandomSource& random,
                            std::uint64_t& seed) {
  const ContentsSeed watch(random);
  TreasureResult lair = lairs.Generate(counts, random);
  seed = watch.Value();
  return lair;
}

TreasureResult LairOf(TreasureKind kind, int total) {
  TreasureResult lair;
  lair.totals[static_cast<std::size_t>(kind)] = total;
  return lair;
}

TEST(ContentsGeneratorTest, EveryTableCoversItsRoll) {
  ASSERT_FALSE(AllTables().empty());
  for (const TableCoverage& table : AllTables()) {
    int next = 1;
    for (const RollRange& range : table.ranges) {
      EXPECT_EQ(range.low, next) << table.file;
      EXPECT_GE(range.high, range.low) << table.file;
      next = range.high + 1;
    }
    EXPECT_EQ(next, table.roll + 1) << table.file;
  }
}

TEST(ContentsGeneratorTest, MagicLinesAreReadAsShown) {
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    for (int count = 1; count <= kMaxTreasureCount; ++count) {
      const std::string_view line = MagicText(type, count);
      const std::optional<MagicDemand> demand = ParseMagicLine(line);
      ASSERT_TRUE(demand) << line;
      EXPECT_EQ(demand->Total(), NumbersIn(line)) << line;
    }
  }
  const auto c1 = ParseMagicLine(" 2 qualsiasi");
  ASSERT_TRUE(c1);
  EXPECT_EQ(c1->any, 2);
  EXPECT_EQ(c1->kinds, AnyKinds::kAll);
  const auto d1 = ParseMagicLine("2 + 1 pozione");
  ASSERT_TRUE(d1);
  EXPECT_EQ(d1->any, 2);
  EXPECT_EQ(d1->extra, 1);
  EXPECT_EQ(d1->extra_kind, MagicKind::kPotion);
  const auto e5 = ParseMagicLine("15 + 5 pergamene");
  ASSERT_TRUE(e5);
  EXPECT_EQ(e5->extra_kind, MagicKind::kScroll);
  EXPECT_EQ(ParseMagicLine("1 armatura/arma")->kinds, AnyKinds::kArmorOrWeapon);
  EXPECT_EQ(ParseMagicLine("5 qualsiasi, non armi")->kinds,
            AnyKinds::kNoWeapons);
  for (std::string_view bad : {"", "qualsiasi", "3 qualsiasi ", "3 pozioni",
                               "2 + pozione", "2 + 1 anelli"}) {
    EXPECT_FALSE(ParseMagicLine(bad)) << bad;
  }
}

// For many seeded lairs of mixed types and counts, the contents hold what
// the lair's totals and lines say, and the values add up.
TEST(ContentsGeneratorTest, TenThousandLairsAgreeWithTheirCounts) {
  const TreasureGenerator lairs;
  const ContentsGenerator contents_generator;
  RandomSource random(2024);
  std::uint64_t seed = 0;
  for (int lair_index = 0; lair_index < 10000; ++lair_index) {
    Counts counts{};
    for (int& count : counts) count = random.Roll(6, 0);
    const TreasureResult lair = LairWithSeed(lairs, counts, random, seed);
    RandomSource source = ContentsGenerator::SourceFor(seed);
    const LairContents contents = contents_generator.Generate(lair, source);
    SCOPED_TRACE("lair " + std::to_string(lair_index));

    ASSERT_EQ(static_cast<int>(contents.gems.size()),
              lair.Total(TreasureKind::kGems));
    ASSERT_EQ(static_cast<int>(contents.art_objects.size()),
              lair.Total(TreasureKind::kArtObjects));
    Copper gems = 0;
    for (const Gem& gem : contents.gems) {
      EXPECT_FALSE(gem.stone.empty());
      EXPECT_GE(gem.value, 10);  // one silver piece
      EXPECT_LE(gem.value, 100000 * kCopperPerGold);
      gems += gem.value;
    }
    Copper art = 0;
    for (const ArtObject& object : contents.art_objects) {
      EXPECT_GE(object.value, 10 * kCopperPerGold);
      EXPECT_LE(object.value, 16000 * kCopperPerGold);
      art += object.value;
    }
    EXPECT_EQ(contents.value.gems, gems);
    EXPECT_EQ(contents.value.art_objects, art);
    EXPECT_EQ(contents.value.coins, CoinValue(lair, contents.white_metal));
    EXPECT_EQ(contents.value.total, gems + art + contents.value.coins);
    EXPECT_EQ(contents.white_metal.has_value(),
              lair.Total(TreasureKind::kPlatinumElectrum) > 0);

    std::array<std::vector<const MagicItem*>, kTreasureTypeCount> by_type;
    int previous_type = 0;
    for (const MagicItem& item : contents.magic_items) {
      EXPECT_GE(item.type, previous_type) << "items stand in type order";
      previous_type = item.type;
      by_type[static_cast<std::size_t>(item.type)].push_back(&item);
      EXPECT_FALSE(item.weapon && item.kind != MagicKind::kWeapon);
      if (item.weapon) {
        EXPECT_EQ(item.bonus, item.weapon->bonus);
      }
      if (item.kind == MagicKind::kArmor || item.kind == MagicKind::kWeapon) {
        EXPECT_GE(item.bonus, 1);
        EXPECT_LE(item.bonus, 5);
      }
      EXPECT_TRUE(!item.name.empty() || item.spells.has_value());
    }
    for (int type = 0; type < kTreasureTypeCount; ++type) {
      const std::string_view line =
          lair.magic_lines[static_cast<std::size_t>(type)];
      const auto& items = by_type[static_cast<std::size_t>(type)];
      ASSERT_EQ(static_cast<int>(items.size()), NumbersIn(line)) << line;
      for (const MagicItem* item : items) {
        if (line.find("arm") != std::string_view::npos &&
            line.find("non armi") == std::string_view::npos) {
          EXPECT_TRUE(item->kind == MagicKind::kArmor ||
                      item->kind == MagicKind::kWeapon)
              << line;
        }
        if (line.find("non armi") != std::string_view::npos) {
          EXPECT_NE(item->kind, MagicKind::kWeapon) << line;
        }
      }
      // "4 + 2 pozioni": the last two are potions; "3 + 1 pergamena": the
      // last is a scroll.
      if (const auto plus = line.find(" + "); plus != std::string_view::npos) {
        const int extra = NumbersIn(line.substr(plus));
        const MagicKind kind = line.find("pozion") != std::string_view::npos
                                   ? MagicKind::kPotion
                                   : MagicKind::kScroll;
        for (std::size_t i = items.size() - static_cast<std::size_t>(extra);
             i < items.size(); ++i) {
          EXPECT_EQ(items[i]->kind, kind) << line;
        }
      }
    }
  }
}

TEST(ContentsGeneratorTest, ContentsLeaveTheLairAndTheMainSequenceAlone) {
  const Counts counts{5, 4, 3, 2, 1, 5, 4, 3, 2};
  RandomSource with(77);
  RandomSource without(77);
  std::uint64_t seed = 0;
  const TreasureResult first =
      LairWithSeed(TreasureGenerator(), counts, with, seed);
  const std::size_t draws = with.DrawCount();
  RandomSource source = ContentsGenerator::SourceFor(seed);
  const LairContents a = ContentsGenerator().Generate(first, source);
  EXPECT_EQ(with.DrawCount(), draws);
  EXPECT_EQ(with.ReseedCount(), 0u);
  TreasureGenerator().Generate(counts, without);
  const TreasureResult second_with = TreasureGenerator().Generate(counts, with);
  const TreasureResult second_without =
      TreasureGenerator().Generate(counts, without);
  EXPECT_EQ(second_with.totals, second_without.totals);
  EXPECT_EQ(second_with.magic_lines, second_without.magic_lines);

  // The same lair state gives the same contents, intelligent weapons and
  // all, whatever the clock says.
  RandomSource again(77);
  std::uint64_t seed_again = 0;
  const TreasureResult first_again =
      LairWithSeed(TreasureGenerator(), counts, again, seed_again);
  EXPECT_EQ(seed_again, seed);
  RandomSource source_again = ContentsGenerator::SourceFor(seed_again);
  const LairContents b =
      ContentsGenerator().Generate(first_again, source_again);
  ASSERT_EQ(a.magic_items.size(), b.magic_items.size());
  for (std::size_t i = 0; i < a.magic_items.size(); ++i) {
    EXPECT_EQ(a.magic_items[i].name, b.magic_items[i].name);
    EXPECT_EQ(a.magic_items[i].weapon.has_value(),
              b.magic_items[i].weapon.has_value());
    if (a.magic_items[i].weapon) {
      EXPECT_EQ(a.magic_items[i].weapon->ego, b.magic_items[i].weapon->ego);
      EXPECT_EQ(a.magic_items[i].weapon->Abilities().size(),
                b.magic_items[i].weapon->Abilities().size());
    }
  }
  EXPECT_EQ(a.value.total, b.value.total);
}

TEST(ContentsGeneratorTest, GemsVaryByTheVariationRule) {
  const TreasureResult one_gem = LairOf(TreasureKind::kGems, 1);
  struct Case {
    const char* what;
    std::vector<float> draws;
    Copper value;
  };
  const float ornamental = DrawFor(100, 1, 1);
  const float jewel = DrawFor(100, 1, 100);
  const float stone = DrawFor(12, 1, 1);
  const float varies = DrawFor(100, 1, 10);
  auto d6 = [](int face) { return DrawFor(6, 1, face); };
  const std::vector<Case> cases = {
      {"no variation on 11", {ornamental, stone, DrawFor(100, 1, 11)}, 1000},
      {"up twice, then a 2 stops",
       {ornamental, stone, varies, d6(1), d6(1), d6(2)},
       10000},
      {"a jewel doubles above 5000 gp",
       {jewel, DrawFor(6, 1, 1), varies, d6(1), d6(1), d6(3)},
       2000000},
      {"double", {ornamental, stone, varies, d6(2)}, 2000},
      {"30% more", {ornamental, stone, varies, d6(3), DrawFor(6, 1, 3)}, 1300},
      {"40% less", {ornamental, stone, varies, d6(4), DrawFor(4, 1, 4)}, 600},
      {"half", {ornamental, stone, varies, d6(5)}, 500},
      {"down to 5 gp, 1 gp and 5 sp",
       {ornamental, stone, varies, d6(6), d6(6), d6(6), d6(1)},
       50},
      {"never below one silver piece, at most five steps",
       {ornamental, stone, varies, d6(6), d6(6), d6(6), d6(6), d6(6), d6(6)},
       10},
  };
  for (const Case& c : cases) {
    const LairContents contents = ContentsWith(one_gem, c.draws);
    ASSERT_EQ(contents.gems.size(), 1u);
    EXPECT_EQ(contents.gems[0].value, c.value) << c.what;
  }
  // Up from a jewel many times stops at 100000 gp.
  std::vector<float> many = {jewel, DrawFor(6, 1, 1), varies};
  for (int i = 0; i < 12; ++i) many.push_back(d6(1));
  EXPECT_EQ(ContentsWith(one_gem, many).gems[0].value, 100000 * kCopperPerGold);
}

TEST(ContentsGeneratorTest, SwordsAreIntelligentOnOneToTwentyFive) {
  TreasureResult lair;
  lair.magic_lines[1] = "1 armatura/arma";       // type B
  const float weapon_row = DrawFor(40, 61, 80);  // the master table's 76-100
  const float long_sword = DrawFor(100, 1, 50);
  for (int roll : {25, 26}) {
    const LairContents contents = ContentsWith(
        lair,
        {weapon_row, long_sword, DrawFor(100, 1, roll), DrawFor(100, 1, 100)});
    ASSERT_EQ(contents.magic_items.size(), 1u);
    const MagicItem& sword = contents.magic_items[0];
    EXPECT_EQ(sword.kind, MagicKind::kWeapon);
    EXPECT_EQ(sword.type, 1);
    EXPECT_EQ(sword.name, "Spada lunga");
    EXPECT_EQ(sword.weapon.has_value(), roll == 25) << roll;
    if (sword.weapon) {
      EXPECT_EQ(sword.bonus, sword.weapon->bonus);
      EXPECT_EQ(sword.weapon_window_type, "Spada");
    } else {
      EXPECT_EQ(sword.bonus, 5);  // the enchantment roll of 100
    }
  }
}

TEST(ContentsGeneratorTest, CoinsAreValuedAtTheGameRates) {
  TreasureResult lair;
  lair.totals = {100, 10, 1, 2, 0, 0};  // cp, sp, gp, pp/ep
  EXPECT_EQ(CoinValue(lair, WhiteMetal::kPlatinum), 100 + 100 + 100 + 1000);
  EXPECT_EQ(CoinValue(lair, WhiteMetal::kElectrum), 100 + 100 + 100 + 100);
  const LairContents platinum = ContentsWith(lair, {DrawFor(100, 1, 50)});
  EXPECT_EQ(platinum.white_metal, WhiteMetal::kPlatinum);
  EXPECT_EQ(platinum.value.total, 1300);
  EXPECT_EQ(ContentsWith(lair, {DrawFor(100, 1, 51)}).white_metal,
            WhiteMetal::kElectrum);
}

TEST(ContentsGeneratorTest, PriestScrollsStopAtTheSeventhLevel) {
  TreasureResult lair;
  lair.magic_lines[4] = "3 + 1 pergamena";  // type E
  std::vector<float> draws;
  for (int i = 0; i < 3; ++i) {
    draws.push_back(DrawFor(100, 1, 1));   // a potion
    draws.push_back(DrawFor(100, 1, 43));  // of healing
  }
  draws.push_back(DrawFor(100, 1, 60));  // 7 spells of levels 4-9
  draws.push_back(DrawFor(100, 1, 71));  // a priest's
  for (int i = 0; i < 7; ++i) draws.push_back(RandomSource::kLargestDraw);
  const LairContents contents = ContentsWith(lair, draws);
  ASSERT_EQ(contents.magic_items.size(), 4u);
  EXPECT_EQ(contents.magic_items[0].name, "Pozione di guarigione");
  const MagicItem& scroll = contents.magic_items[3];
  ASSERT_TRUE(scroll.spells);
  EXPECT_FALSE(scroll.spells->wizard);
  EXPECT_EQ(scroll.spells->count, 7);
  for (int level : scroll.spells->levels) EXPECT_EQ(level, 7);
}

}  // namespace
}  // namespace quendaro
