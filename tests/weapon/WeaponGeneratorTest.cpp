#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "presentation/WeaponPresentation.h"
#include "random/RandomSource.h"
#include "support/Draws.h"
#include "weapon/WeaponGenerator.h"

namespace quendaro {
namespace {

using testing::DrawFor;
using testing::kLargestDraw;
using testing::kSmallestDraw;

constexpr char kNonMagical[] =
    "Lettura della scrittura non magica e di carte geografiche";
constexpr char kMagical[] = "Lettura dei linguaggi e degli scritti magici ";
constexpr char kXRay[] =
    "Vista a raggi X, raggio 40m, 2 volte al giorno 1 turno x uso";

// The rolls of a generation, in the order it makes them.
struct Rolls {
  int languages = 1;
  int bonus = 1;
  int alignment = 1;
  int capabilities = 1;
  std::vector<float> abilities = {DrawFor(100, 1, 1)};

  std::vector<float> Draws() const {
    std::vector<float> draws = {
        DrawFor(100, 1, languages), DrawFor(20, 1, bonus),
        DrawFor(100, 1, alignment), DrawFor(100, 1, capabilities)};
    draws.insert(draws.end(), abilities.begin(), abilities.end());
    return draws;
  }
};

// A primary sense worth 1 ego: the slot shows it.
constexpr char kMagicSense[] = "Individua il magico nel raggio di 1,5m";
float MagicSense() { return DrawFor(100, 1, 70); }

// An X-ray vision power that brings a special purpose: four values.
std::vector<float> PurposeDraw(int purpose, int power) {
  return {DrawFor(100, 1, 99), DrawFor(96, 1, 95), DrawFor(95, 1, purpose),
          DrawFor(100, 1, power)};
}

// The weapon as the window shows it, from exactly `draws`.
WeaponWindowTexts GenerateWith(const std::vector<float>& draws,
                               RandomSource& random) {
  random.ScriptDraws(draws);
  WeaponWindowTexts result = WindowTexts(WeaponGenerator().Generate(random));
  EXPECT_EQ(random.ScriptedDrawsLeft(), 0u) << "the generation drew too few";
  EXPECT_EQ(random.DrawCount(), draws.size()) << "the generation drew too many";
  EXPECT_EQ(random.ReseedCount(), 1u);
  return result;
}

WeaponWindowTexts GenerateWith(const Rolls& rolls) {
  RandomSource random;
  return GenerateWith(rolls.Draws(), random);
}

TEST(WeaponGeneratorTest, LanguagesBoundariesAndTheirEgo) {
  const struct {
    int roll;
    const char* languages;
    const char* ego;  // with bonus +1 and one sense
  } cases[] = {{1, "1", "3"},  {40, "1", "3"}, {41, "2", "4"}, {95, "4", "6"},
               {96, "5", "7"}, {99, "5", "7"}, {100, "6", "8"}};
  for (const auto& c : cases) {
    Rolls rolls;
    rolls.languages = c.roll;
    const WeaponWindowTexts result = GenerateWith(rolls);
    EXPECT_EQ(result.languages, c.languages) << "roll " << c.roll;
    EXPECT_EQ(result.ego, c.ego) << "roll " << c.roll;
  }
}

TEST(WeaponGeneratorTest, BonusBoundariesAndTheirEgo) {
  const struct {
    int roll;
    const char* bonus;
    const char* ego;  // with one language and one sense
  } cases[] = {
      {5, "+1", "3"}, {6, "+2", "4"}, {19, "+4", "6"}, {20, "+5", "7"}};
  for (const auto& c : cases) {
    Rolls rolls;
    rolls.bonus = c.roll;
    const WeaponWindowTexts result = GenerateWith(rolls);
    EXPECT_EQ(result.bonus, c.bonus) << "roll " << c.roll;
    EXPECT_EQ(result.ego, c.ego) << "roll " << c.roll;
  }
}

TEST(WeaponGeneratorTest, AlignmentBoundariesAddNoEgo) {
  const struct {
    int roll;
    const char* alignment;
  } cases[] = {{5, "Caotico buono"},       {6, "Caotico neutrale"},
               {55, "Legale buono"},       {56, "Legale neutrale"},
               {80, "Neutrale autentico"}, {81, "Neutrale buono"},
               {100, "Neutrale buono"}};
  for (const auto& c : cases) {
    Rolls rolls;
    rolls.alignment = c.roll;
    const WeaponWindowTexts result = GenerateWith(rolls);
    EXPECT_EQ(result.alignment, c.alignment) << "roll " << c.roll;
    EXPECT_EQ(result.ego, "3") << "roll " << c.roll;
  }
}

// The capability row decides how many ability draws follow, so a wrong count
// shows up as a draw too many or too few.
TEST(WeaponGeneratorTest, CapabilityBoundaries) {
  const struct {
    int roll;
    const char* intelligence;
    const char* communication;
    int abilities;
    const char* non_magical;
    const char* magical;
    int reading_ego;
  } cases[] = {
      {34, "12", "Semiempatia", 1, "", "", 0},
      {35, "13", "Empatia", 2, "", "", 0},
      {79, "14", "Parole", 2, "", "", 0},
      {80, "15", "Parole", 3, "", "", 0},
      {91, "15", "Parole", 3, "", "", 0},
      {92, "16", "Parole", 3, kNonMagical, "", 1},
      {97, "16", "Parole", 3, kNonMagical, "", 1},
      {98, "17", "Parole e telepatia", 3, kNonMagical, kMagical, 3},
      {100, "17", "Parole e telepatia", 3, kNonMagical, kMagical, 3},
  };
  for (const auto& c : cases) {
    Rolls rolls;
    rolls.capabilities = c.roll;
    rolls.abilities.assign(c.abilities, MagicSense());
    const WeaponWindowTexts result = GenerateWith(rolls);
    EXPECT_EQ(result.intelligence, c.intelligence) << "roll " << c.roll;
    EXPECT_EQ(result.communication, c.communication) << "roll " << c.roll;
    EXPECT_EQ(result.reads_non_magical, c.non_magical) << "roll " << c.roll;
    EXPECT_EQ(result.reads_magical, c.magical) << "roll " << c.roll;
    EXPECT_EQ(result.ability1, kMagicSense) << "roll " << c.roll;
    EXPECT_EQ(result.ability2, c.abilities >= 2 ? kMagicSense : "")
        << "roll " << c.roll;
    EXPECT_EQ(result.ability3, c.abilities >= 3 ? kMagicSense : "")
        << "roll " << c.roll;
    // One language, bonus +1, one point per sense.
    EXPECT_EQ(result.ego, std::to_string(2 + c.reading_ego + c.abilities))
        << "roll " << c.roll;
  }
}

TEST(WeaponGeneratorTest, AbilitiesFillTheirSlotsInDrawOrder) {
  Rolls rolls;
  rolls.capabilities = 80;
  rolls.abilities = {DrawFor(100, 1, 98), DrawFor(100, 1, 99),
                     DrawFor(96, 1, 76), DrawFor(100, 1, 1)};
  const WeaponWindowTexts result = GenerateWith(rolls);
  EXPECT_EQ(result.ability1, "Localizza oggetti nel raggio di 36m");
  EXPECT_EQ(result.ability2, "Telepatia nel raggio di 60m 2 volte al giorno");
  EXPECT_EQ(result.ability3,
            "Individua ascensori/stanze girevoli/pareti mobili nel raggio di "
            "3m");
  // 1 + 1 for language and bonus, 1 + 4 + 1 for the abilities.
  EXPECT_EQ(result.ego, "8");
  EXPECT_EQ(result.special_purpose, "");
  EXPECT_EQ(result.special_purpose_power, "");
}

TEST(WeaponGeneratorTest, LowestEgoIsThree) {
  RandomSource random;
  const WeaponWindowTexts result =
      GenerateWith({kSmallestDraw, kSmallestDraw, kSmallestDraw, kSmallestDraw,
                    kSmallestDraw},
                   random);
  EXPECT_EQ(result.languages, "1");
  EXPECT_EQ(result.bonus, "+1");
  EXPECT_EQ(result.alignment, "Caotico buono");
  EXPECT_EQ(result.intelligence, "12");
  EXPECT_EQ(result.ability2, "");
  EXPECT_EQ(result.ego, "3");
}

// Six languages, +5, intelligence 17 and three draws that each reach a
// special purpose: sixteen values in all.
TEST(WeaponGeneratorTest, HighestEgoIsThirtyFive) {
  RandomSource random;
  const WeaponWindowTexts result =
      GenerateWith(std::vector<float>(16, kLargestDraw), random);
  EXPECT_EQ(result.languages, "6");
  EXPECT_EQ(result.bonus, "+5");
  EXPECT_EQ(result.intelligence, "17");
  EXPECT_EQ(result.ability1, kXRay);
  EXPECT_EQ(result.ability2, kXRay);
  EXPECT_EQ(result.ability3, kXRay);
  EXPECT_EQ(result.special_purpose, "Sconfigge mostri non umani");
  EXPECT_EQ(result.ego, "35");
}

TEST(WeaponGeneratorTest, LaterSpecialPurposeReplacesEarlierButBothCount) {
  Rolls rolls;
  rolls.capabilities = 80;
  rolls.abilities = PurposeDraw(1, 21);
  rolls.abilities.push_back(MagicSense());
  const std::vector<float> third = PurposeDraw(56, 66);
  rolls.abilities.insert(rolls.abilities.end(), third.begin(), third.end());

  const WeaponWindowTexts result = GenerateWith(rolls);

  EXPECT_EQ(result.ability1, kXRay);
  EXPECT_EQ(result.ability2, kMagicSense);
  EXPECT_EQ(result.ability3, kXRay);
  EXPECT_EQ(result.special_purpose, "Sovverte la legge e/o il caos");
  EXPECT_EQ(result.special_purpose_power, "Paralisi x 1d4 round");
  EXPECT_EQ(result.ego, "17");  // 1 + 1 + 7 + 1 + 7
}

// Records the reseeds and the size of every roll, in order.
class RollLog final : public RollObserver {
 public:
  void OnReseed() override { events.push_back("reseed"); }
  void OnRoll(int count, int low, int) override {
    events.push_back("Roll(" + std::to_string(count) + ", " +
                     std::to_string(low) + ")");
  }
  std::vector<std::string> events;
};

TEST(WeaponGeneratorTest, ReseedsOnceBeforeRollingEachTableOverItsRange) {
  RandomSource random;
  RollLog log;
  random.SetObserver(&log);
  Rolls rolls;
  rolls.capabilities = 34;
  rolls.abilities = PurposeDraw(1, 1);
  random.ScriptDraws(rolls.Draws());

  WeaponGenerator().Generate(random);

  const std::vector<std::string> expected = {
      "reseed",       "Roll(100, 1)", "Roll(20, 1)",
      "Roll(100, 1)", "Roll(100, 1)", "Roll(100, 1)",
      "Roll(96, 1)",  "Roll(95, 1)",  "Roll(100, 1)"};
  EXPECT_EQ(log.events, expected);
}

std::uint64_t FrozenClock() { return 1234567; }

TEST(WeaponGeneratorTest, SameStateAndClockGiveTheSameWeapon) {
  RandomSource first(99, &FrozenClock);
  RandomSource second(99, &FrozenClock);
  const WeaponGenerator generator;
  for (int i = 0; i < 20; ++i) {
    const WeaponWindowTexts a = WindowTexts(generator.Generate(first));
    const WeaponWindowTexts b = WindowTexts(generator.Generate(second));
    EXPECT_EQ(a.ability1, b.ability1);
    EXPECT_EQ(a.alignment, b.alignment);
    EXPECT_EQ(a.ego, b.ego);
    EXPECT_EQ(a.special_purpose, b.special_purpose);
  }
}

}  // namespace
}  // namespace quendaro
