#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <unordered_map>

#include "names/NameSets.h"
#include "random/RandomSource.h"
#include "support/Draws.h"

namespace quendaro {
namespace {

constexpr NameChoice kSexes[] = {NameChoice::kMale, NameChoice::kFemale};

// A table of names is only useful if a party rarely meets the same name
// twice: in 100,000 names of one set and sex, at least 5,000 differ and none
// comes up more than one time in 200.
TEST(NameSetsTest, EverySetAndSexGivesManyNamesAndNoneOften) {
  constexpr int kNames = 100'000;
  for (int s = 0; s < kNameSetCount; ++s) {
    const auto set = static_cast<NameSet>(s);
    for (NameChoice sex : kSexes) {
      RandomSource random(20260 + static_cast<std::uint64_t>(s));
      std::unordered_map<std::string, int> seen;
      for (int i = 0; i < kNames; ++i) {
        ++seen[NameSetGenerator().GenerateName(set, sex, random).name];
      }
      int most = 0;
      for (const auto& [name, count] : seen) most = std::max(most, count);
      const std::string what = std::string(NameSetKey(set)) +
                               (sex == NameChoice::kMale ? " m" : " f");
      EXPECT_GE(seen.size(), 5'000u) << what;
      EXPECT_LE(most, kNames / 200) << what;
      EXPECT_EQ(random.DrawCount(), 3u * kNames) << what;
      EXPECT_EQ(random.ReseedCount(), 0u) << what;
    }
  }
}

// Both ends of every slot are reachable: the smallest draws give each list's
// first parts, the largest its last ones.
TEST(NameSetsTest, TheDrawsReachBothEndsOfEachList) {
  struct Case {
    float draw;
    NameSet set;
    NameChoice sex;
    const char* name;
  };
  const Case kCases[] = {
      {testing::kSmallestDraw, NameSet::kElves, NameChoice::kMale, "Aedan"},
      {testing::kLargestDraw, NameSet::kElves, NameChoice::kMale, "Erunymion"},
      {testing::kSmallestDraw, NameSet::kDwarves, NameChoice::kFemale,
       "Balhild"},
      {testing::kLargestDraw, NameSet::kMinotaurs, NameChoice::kFemale,
       "Magaknesh"},
  };
  for (const Case& c : kCases) {
    RandomSource random(1);
    random.ScriptDraws({c.draw, c.draw, c.draw});
    const NameResult result =
        NameSetGenerator().GenerateName(c.set, c.sex, random);
    EXPECT_EQ(result.name, c.name);
    EXPECT_EQ(result.warning, std::nullopt);
    EXPECT_EQ(random.ScriptedDrawsLeft(), 0u) << c.name;
  }
}

TEST(NameSetsTest, NoSexGivesTheWindowsWarningAndDrawsNothing) {
  RandomSource random(1);
  const NameResult result = NameSetGenerator().GenerateName(
      NameSet::kHumans, NameChoice::kNone, random);
  EXPECT_EQ(result.name, "");
  EXPECT_EQ(result.warning, kNoNameChoiceWarning);
  EXPECT_EQ(random.DrawCount(), 0u);
}

}  // namespace
}  // namespace quendaro
