#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "names/NameGenerator.h"
#include "random/RandomSource.h"
#include "support/Draws.h"

namespace quendaro {
namespace {

// The draw that makes Roll(99, 1) give `percent`.
float Percent(int percent) { return testing::DrawFor(99, 1, percent); }

// Generates with the given rolls scripted in order, and checks that the
// generator used every one of them and nothing more.
std::string Name(NameChoice choice, std::initializer_list<int> rolls) {
  std::vector<float> draws;
  for (const int roll : rolls) draws.push_back(Percent(roll));
  RandomSource random;
  random.ScriptDraws(draws);
  const NameResult result = NameGenerator().GenerateName(choice, random);
  EXPECT_EQ(random.DrawCount(), rolls.size());
  EXPECT_EQ(random.ReseedCount(), 0u);
  EXPECT_EQ(result.warning, std::nullopt);
  return result.name;
}

constexpr int kNoThird = 50;
constexpr int kThird = 49;

TEST(NameGeneratorTest, FirstPartBrackets) {
  struct Case {
    int roll;
    const char* name;
  };
  // "mon" leaves every first part as it is.
  const Case kCases[] = {
      {1, "Ghumon"},   {14, "Ghumon"},  {15, "Lamon"},  {29, "Lamon"},
      {30, "Karmon"},  {44, "Karmon"},  {45, "Raimon"}, {59, "Raimon"},
      {60, "Thormon"}, {74, "Thormon"}, {75, "Gwemon"}, {89, "Gwemon"},
      {90, "Gwymon"},  {99, "Gwymon"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Name(NameChoice::kMale, {c.roll, 50, kNoThird}), c.name)
        << "first roll " << c.roll;
  }
}

TEST(NameGeneratorTest, SecondPartBrackets) {
  struct Case {
    int roll;
    const char* male;
    const char* female;
  };
  const Case kCases[] = {
      {1, "Karnthar", "Karnthire"}, {19, "Karnthar", "Karnthire"},
      {20, "Karren", "Karrene"},    {39, "Karren", "Karrene"},
      {40, "Karmon", "Karmisy"},    {59, "Karmon", "Karmisy"},
      {60, "Karaard", "Lunaphrea"}, {79, "Karaard", "Lunaphrea"},
      {80, "Karriil", "Karriel"},   {99, "Karriil", "Karriel"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Name(NameChoice::kMale, {30, c.roll, kNoThird}), c.male)
        << "second roll " << c.roll;
    EXPECT_EQ(Name(NameChoice::kFemale, {30, c.roll, kNoThird}), c.female)
        << "second roll " << c.roll;
  }
}

TEST(NameGeneratorTest, ThirdPartBrackets) {
  struct Case {
    int roll;
    const char* male;
    const char* female;
  };
  const Case kCases[] = {
      {1, "Raimonus", "Raimisylyn"},       {19, "Raimonus", "Raimisylyn"},
      {20, "Raimonriel", "Raimisyphrea"},  {39, "Raimonriel", "Raimisyphrea"},
      {40, "Raimonlink", "Raimisylithae"}, {59, "Raimonlink", "Raimisylithae"},
      {60, "Raimonis", "Raimisyae"},       {79, "Raimonis", "Raimisyae"},
      {80, "Raimonrak", "Raimisylian"},    {99, "Raimonrak", "Raimisylian"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Name(NameChoice::kMale, {45, 45, kThird, c.roll}), c.male)
        << "third roll " << c.roll;
    EXPECT_EQ(Name(NameChoice::kFemale, {45, 45, kThird, c.roll}), c.female)
        << "third roll " << c.roll;
  }
}

TEST(NameGeneratorTest, ThirdPartOnlyBelowFifty) {
  EXPECT_EQ(Name(NameChoice::kMale, {30, 40, 1, 80}), "Karmonrak");
  EXPECT_EQ(Name(NameChoice::kMale, {30, 40, 49, 80}), "Karmonrak");
  EXPECT_EQ(Name(NameChoice::kMale, {30, 40, 50}), "Karmon");
  EXPECT_EQ(Name(NameChoice::kFemale, {30, 40, 99}), "Karmisy");
}

TEST(NameGeneratorTest, AardSoftensSomeFirstParts) {
  struct Case {
    int roll;
    const char* name;
  };
  const Case kCases[] = {
      {1, "Ghuaard"},   {15, "Lanaard"},  {30, "Karaard"},  {45, "Raiaard"},
      {60, "Thoraard"}, {75, "Gwenaard"}, {90, "Gwynaard"},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Name(NameChoice::kMale, {c.roll, 70, kNoThird}), c.name)
        << "first roll " << c.roll;
  }
  EXPECT_EQ(Name(NameChoice::kMale, {75, 60, kThird, 99}), "Gwenaardrak");
}

TEST(NameGeneratorTest, AphreaAlwaysFollowsLunAndTakesMiForPhrea) {
  for (const int first : {1, 15, 30, 45, 60, 75, 90}) {
    EXPECT_EQ(Name(NameChoice::kFemale, {first, 60, kNoThird}), "Lunaphrea")
        << "first roll " << first;
  }
  EXPECT_EQ(Name(NameChoice::kFemale, {90, 79, kThird, 20}), "Lunaphreami");
  EXPECT_EQ(Name(NameChoice::kFemale, {1, 60, kThird, 39}), "Lunaphreami");
  EXPECT_EQ(Name(NameChoice::kFemale, {1, 60, kThird, 40}), "Lunaphrealithae");
  EXPECT_EQ(Name(NameChoice::kFemale, {60, 1, kNoThird}), "Thornthire");
}

TEST(NameGeneratorTest, NoChoiceWarnsAfterDrawingTheFirstPart) {
  RandomSource random;
  const NameResult result =
      NameGenerator().GenerateName(NameChoice::kNone, random);
  EXPECT_EQ(result.name, "");
  EXPECT_EQ(result.warning,
            "Selezionare se si vogliono generare nomi maschili o femminili");
  EXPECT_EQ(random.DrawCount(), 1u);
  EXPECT_EQ(random.ReseedCount(), 0u);
}

}  // namespace
}  // namespace quendaro
