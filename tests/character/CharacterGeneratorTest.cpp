#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "character/AbilityTables.h"
#include "character/CharacterChoices.h"
#include "character/CharacterGenerator.h"
#include "character/RaceLimits.h"
#include "support/Draws.h"

namespace quendaro {
namespace {

using Messages = std::vector<std::string>;
using Rows = std::array<std::optional<std::string_view>, kAbilityCount>;

std::uint64_t FrozenClock() { return 42; }

CharacterRequest Request(std::string race, std::string character_class,
                         std::string alignment = "nessuno",
                         std::string age = "20", std::string name = "") {
  CharacterRequest request;
  request.race = std::move(race);
  request.character_class = std::move(character_class);
  request.alignment = std::move(alignment);
  request.age = std::move(age);
  request.name = std::move(name);
  return request;
}

// The draws that make the race roll `scores`, with the percentile draw after
// the strength when there is one.
std::vector<float> DrawsFor(std::string_view race, const AbilityScores& scores,
                            std::optional<int> percentile = std::nullopt) {
  const RaceLimits limits = LimitsOfRace(race);
  std::vector<float> draws;
  for (std::size_t i = 0; i < scores.size(); ++i) {
    const int count = limits[i].maximum - limits[i].minimum + 1;
    draws.push_back(testing::DrawFor(count, limits[i].minimum, scores[i]));
    if (i == 0 && percentile) {
      draws.push_back(testing::DrawFor(77, 23, *percentile));
    }
  }
  return draws;
}

TEST(CharacterGeneratorTest, MissingChoicesAreReportedClassFirst) {
  struct Case {
    std::string race;
    std::string character_class;
    Messages messages;
  };
  const Case cases[] = {
      {"nessuna",
       "nessuna",
       {"Devi selezionare una classe !", "Devi selzionare una razza !"}},
      {"Umano", "nessuna", {"Devi selezionare una classe !"}},
      {"nessuna", "Guerriero(puro)", {"Devi selzionare una razza !"}},
      {"Umano", "Guerriero(puro)", {}},
      // A typed text is a choice, if not one any table knows.
      {"elfo alto", "guerriero", {}},
  };
  for (const Case& c : cases) {
    RandomSource random(1, &FrozenClock);
    const CharacterSheet sheet = CharacterGenerator().Generate(
        Request(c.race, c.character_class), random);
    EXPECT_EQ(sheet.messages, c.messages)
        << c.race << " / " << c.character_class;
  }
}

TEST(CharacterGeneratorTest, NoChoiceRollsZerosAndTheClassRuleStillApplies) {
  RandomSource random(1, &FrozenClock);
  const CharacterGenerator generator;
  EXPECT_EQ(generator.Generate(Request("nessuna", "nessuna"), random).scores,
            (AbilityScores{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(
      generator.Generate(Request("nessuna", "Guerriero(puro)"), random).scores,
      (AbilityScores{9, 0, 10, 0, 0, 0}));
}

TEST(CharacterGeneratorTest, EveryGenerationReseedsSixTimesAndDrawsSixOrSeven) {
  struct Case {
    CharacterRequest request;
    std::vector<float> draws;
    std::size_t drawsUsed;
  };
  const Case cases[] = {
      {Request("nessuna", "nessuna"), {}, 6},
      {Request("Xyz", "Paladino"), {}, 6},
      {Request("Umano", "Guerriero(puro)"),
       DrawsFor("Umano", {18, 10, 10, 10, 10, 10}, 60), 7},
      {Request("Umano", "Mago generico"),
       DrawsFor("Umano", {18, 10, 10, 10, 10, 10}), 6},
      {Request("Gnomo delle rocce", "Guerriero/chierico"),
       DrawsFor("Gnomo delle rocce", {18, 10, 10, 10, 10, 10}), 6},
      {Request("Nano di collina", "Guerriero/chierico"),
       DrawsFor("Nano di collina", {18, 10, 12, 10, 10, 10}, 23), 7},
      // Refused, too old and the preset all the same.
      {Request("Nano di collina", "Paladino", "Caotico/malvagio", "9999",
               "Orvo"),
       DrawsFor("Nano di collina", {18, 10, 12, 10, 10, 10}, 99), 7},
      {Request("Minotauro(Dragonlance)", "Paladino"),
       DrawsFor("Minotauro(Dragonlance)", {20, 10, 12, 10, 10, 10}), 6},
  };
  for (const Case& c : cases) {
    RandomSource random(1, &FrozenClock);
    random.ScriptDraws(c.draws);
    CharacterGenerator().Generate(c.request, random);
    EXPECT_EQ(random.ReseedCount(), 6u) << c.request.race;
    EXPECT_EQ(random.DrawCount(), c.drawsUsed) << c.request.race;
  }
}

TEST(CharacterGeneratorTest, ScoresReachBothEndsOfTheRaceLimits) {
  RandomSource random(1, &FrozenClock);
  random.ScriptDraws(std::vector<float>(6, testing::kLargestDraw));
  const CharacterSheet high = CharacterGenerator().Generate(
      Request("Elfo alato(Avariel)", "nessuna"), random);
  EXPECT_EQ(high.scores, (AbilityScores{18, 21, 15, 18, 18, 18}));

  random.ScriptDraws(std::vector<float>(6, testing::kSmallestDraw));
  const CharacterSheet low = CharacterGenerator().Generate(
      Request("Nano di fosso", "nessuna"), random);
  EXPECT_EQ(low.scores, (AbilityScores{6, 6, 8, 5, 5, 3}));
}

TEST(CharacterGeneratorTest, WarriorWithEighteenShowsThePercentileRow) {
  RandomSource random(1, &FrozenClock);
  random.ScriptDraws(DrawsFor("Umano", {18, 10, 10, 10, 10, 10}, 99));
  const CharacterSheet sheet = CharacterGenerator().Generate(
      Request("Umano", "Guerriero(puro)"), random);
  EXPECT_EQ(sheet.exceptional_strength, 99);
  EXPECT_EQ(sheet.rows[0], "+2  +5  106,5  172  15(3)  35%");
}

TEST(CharacterGeneratorTest, RefusalLeavesNoPercentileAndNoRowsBehind) {
  RandomSource random(1, &FrozenClock);
  random.ScriptDraws(DrawsFor("Nano di collina", {18, 10, 12, 10, 10, 10}, 60));
  const CharacterSheet sheet = CharacterGenerator().Generate(
      Request("Nano di collina", "Paladino", "Legale/buono"), random);
  EXPECT_EQ(sheet.messages, Messages{"Un paladino può essere solo umano"});
  EXPECT_EQ(sheet.scores, (AbilityScores{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(sheet.exceptional_strength, std::nullopt);
  EXPECT_EQ(sheet.rows, Rows{});
  EXPECT_EQ(sheet.total, 0);
  EXPECT_EQ(sheet.average, 0.0f);
  EXPECT_EQ(random.DrawCount(), 7u);
}

TEST(CharacterGeneratorTest, MessagesComeInTheOrderOfTheStages) {
  struct Case {
    CharacterRequest request;
    Messages messages;
  };
  const Case cases[] = {
      {Request("nessuna", "Druido", "nessuno", "50"),
       {"Devi selzionare una razza !",
        "Un druido può essere solo umano o mezzelfo",
        "Un druido può essere solo neutrale puro"}},
      {Request("Mezzelfo", "Paladino", "Caotico/buono", "186"),
       {"Un paladino può essere solo umano",
        "Un paladino può essere solo legale buono",
        "Un mezzelfo non arriva a questa età !"}},
      {Request("Umano", "Mago/ladro", "Legale/buono", "111"),
       {"Un ladro/mago non può essere legale buono",
        "Un mago/ladro può essere solo elfo o mezzelfo",
        "Un uomo non arriva a questa età !"}},
      {Request("Nano sotterraneo", "nessuna", "nessuno", "481"),
       {"Devi selezionare una classe !",
        "Un nano sotterraneo non può superare i 480 anni !"}},
  };
  for (const Case& c : cases) {
    RandomSource random(1, &FrozenClock);
    const CharacterSheet sheet =
        CharacterGenerator().Generate(c.request, random);
    EXPECT_EQ(sheet.messages, c.messages) << c.request.character_class;
  }
}

// The command line refuses a request by these messages before it rolls, so
// they must be the very ones a generation raises, for every choice.
TEST(CharacterGeneratorTest, MessagesAreKnownBeforeTheRoll) {
  std::vector<std::string_view> races(kRaceChoices.begin(), kRaceChoices.end());
  races.push_back(kNoRace);
  std::vector<std::string_view> classes(kClassChoices.begin(),
                                        kClassChoices.end());
  classes.push_back(kNoClass);
  std::vector<std::string_view> alignments(kAlignmentChoices.begin(),
                                           kAlignmentChoices.end());
  alignments.push_back(kNoAlignment);
  const CharacterGenerator generator;
  RandomSource random(1, &FrozenClock);
  CharacterSheet sheet;
  for (std::string_view race : races) {
    for (std::string_view character_class : classes) {
      for (std::string_view alignment : alignments) {
        for (const char* age : {"", "0", "186", "9999"}) {
          const CharacterRequest request =
              Request(std::string(race), std::string(character_class),
                      std::string(alignment), age);
          generator.Generate(request, random, sheet);
          const std::vector<std::string_view> known =
              generator.Messages(request);
          ASSERT_EQ(Messages(known.begin(), known.end()), sheet.messages)
              << race << " " << character_class << " " << alignment << " "
              << age;
        }
      }
    }
  }
}

TEST(CharacterGeneratorTest, AgeTextIsReadAsANumber) {
  struct Case {
    std::string race;
    std::string age;
    char separator;
    std::string age_after;
    std::string category;
    std::size_t messages;
  };
  const Case cases[] = {
      {"Umano", "", '.', "1", "Giovane", 0},
      {"Elfo marino", "", ',', "1", "Infanzia", 0},
      {"Umano", "0", '.', "0", "", 0},
      {"Umano", "abc", '.', "abc", "", 0},
      {"Umano", "44,5", ',', "44,5", "Giovane", 0},
      {"Umano", "44,5", '.', "44,5", "", 0},
      {"Umano", "0110", '.', "0110", "Età massima", 0},
      {"Umano", "111", '.', "1", "", 1},
      {"Nano di collina", "451", '.', "1", "            ", 1},
      {"Xyz", "9999", '.', "9999", "", 0},
  };
  for (const Case& c : cases) {
    RandomSource random(1, &FrozenClock);
    const CharacterSheet sheet =
        CharacterGenerator(c.separator)
            .Generate(Request(c.race, "Guerriero(puro)", "nessuno", c.age),
                      random);
    EXPECT_EQ(sheet.age, c.age_after) << c.race << " " << c.age;
    EXPECT_EQ(sheet.age_category, c.category) << c.race << " " << c.age;
    EXPECT_EQ(sheet.messages.size(), c.messages) << c.race << " " << c.age;
  }
}

TEST(CharacterGeneratorTest, AverageIsTheSinglePrecisionQuotient) {
  RandomSource random(1, &FrozenClock);
  random.ScriptDraws(DrawsFor("Umano", {13, 13, 13, 13, 13, 12}));
  const CharacterSheet sheet =
      CharacterGenerator().Generate(Request("Umano", "Mago generico"), random);
  EXPECT_EQ(sheet.total, 77);
  EXPECT_EQ(sheet.average, 77.0f / 6.0f);
}

TEST(CharacterGeneratorTest, PresetNameReplacesTheRollsButNotThePercentile) {
  RandomSource random(1, &FrozenClock);
  random.ScriptDraws(DrawsFor("Umano", {18, 10, 10, 10, 10, 10}, 60));
  const CharacterSheet sheet = CharacterGenerator(',').Generate(
      Request("Umano", "Guerriero(puro)", "nessuno", "30", "Orvo "), random);

  EXPECT_EQ(sheet.scores, (AbilityScores{11, 16, 16, 14, 13, 12}));
  EXPECT_EQ(sheet.exceptional_strength, 60);
  EXPECT_EQ(sheet.total, 82);
  EXPECT_EQ(sheet.rows,
            (Rows{"/  /  18  52  6  2%", "+1  +1  -2", "+2  95%  96%  0  /",
                  "4  7°  60%  9  /", "0  1°  0%  /", "5  0  0"}));
  EXPECT_TRUE(sheet.preset);
  EXPECT_EQ(sheet.character_class, "Ladro");
  EXPECT_EQ(sheet.race, "Umano");
  EXPECT_EQ(sheet.alignment, "Caotico/neutrale");
  EXPECT_EQ(sheet.height, "178");
  EXPECT_EQ(sheet.weight, "69");
  EXPECT_EQ(sheet.age, "20");
  EXPECT_EQ(sheet.age_years, 20.0);
  EXPECT_EQ(sheet.sex, "Maschio");
  EXPECT_EQ(sheet.name, "Orvo ");
  // The age stage has already run on what was typed.
  EXPECT_EQ(sheet.request.age, "30");
  EXPECT_EQ(sheet.age_category, "Giovane");
}

TEST(CharacterGeneratorTest, OtherNamesKeepTheRolls) {
  for (const std::string name : {"orvo", "Orvo  ", "Orvo Brant", ""}) {
    RandomSource random(1, &FrozenClock);
    random.ScriptDraws(DrawsFor("Umano", {10, 10, 10, 10, 10, 10}));
    const CharacterSheet sheet = CharacterGenerator().Generate(
        Request("Umano", "Mago generico", "nessuno", "30", name), random);
    EXPECT_FALSE(sheet.preset) << name;
    EXPECT_EQ(sheet.scores[0], 10) << name;
  }
}

TEST(CharacterGeneratorTest, AReusedSheetComesOutAsAFreshOne) {
  // Whatever the sheet held before (messages, a pre-set character, an
  // exceptional strength, a reset age), generating over it gives what a
  // fresh sheet gets from the same draws.
  const std::vector<CharacterRequest> requests = {
      Request("Umano", "Guerriero(puro)", "Legale/buono", "20",
              std::string(kPresetCharacter.trigger_names[0])),
      Request("Nano di collina", "Paladino", "Caotico/malvagio", "900"),
      Request("Umano", "Guerriero(puro)", "Legale/buono", ""),
      Request("nessuna", "nessuna", "nessuno", "abc"),
      Request("Elfo alto", "Mago generico", "Neutrale/buono", "120"),
  };
  const CharacterGenerator generator(',');
  RandomSource fresh_random(3, &FrozenClock);
  RandomSource reused_random(3, &FrozenClock);
  CharacterSheet reused;
  for (int i = 0; i < 400; ++i) {
    const CharacterRequest& request =
        requests[static_cast<std::size_t>(i) % requests.size()];
    const CharacterSheet fresh = generator.Generate(request, fresh_random);
    generator.Generate(request, reused_random, reused);
    ASSERT_EQ(reused, fresh) << "generation " << i;
  }
}

}  // namespace
}  // namespace quendaro
