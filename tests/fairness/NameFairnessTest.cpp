#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "fairness/ChiSquare.h"
#include "names/NameGenerator.h"
#include "random/RandomSource.h"

namespace quendaro {
namespace {

using testing::FitsWidths;
using testing::kRequiredPower;
using testing::OffByOnePower;

// The brackets of each choice out of 99, as the name rules print them.
const std::vector<int> kFirstPartWidths = {14, 15, 15, 15, 15, 15, 10};
const std::vector<int> kLaterPartWidths = {19, 20, 20, 20, 20};
const std::vector<int> kThirdPartDecision = {49, 50};

// The hardest border to see is the third-part decision, 49 against 50 faces
// of 99: 200000 names give it a noncentrality of
// 200000 / 99^2 * (99/49 + 99/50) = 82 on one degree of freedom, against a
// critical value of 23.9: power 0.99999. The third part itself, drawn for
// about half the names, still has a noncentrality of 103 on 4.
constexpr long kNames = 200'000;

struct Syllables {
  std::vector<std::string_view> first;
  std::vector<std::string_view> second;
  std::vector<std::string_view> third;
};

// The male syllables in bracket order. "La", "Gwe" and "Gwy" gain an "n"
// before "aard", which the parser below allows for.
const Syllables kMale = {{"Ghu", "La", "Kar", "Rai", "Thor", "Gwe", "Gwy"},
                         {"nthar", "ren", "mon", "aard", "riil"},
                         {"us", "riel", "link", "is", "rak"}};

// Which syllable of `choices` `text` starts with, or -1.
int StartingSyllable(std::string_view text,
                     const std::vector<std::string_view>& choices) {
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (text.starts_with(choices[i])) return static_cast<int>(i);
  }
  return -1;
}

struct NameTally {
  std::vector<long> first = std::vector<long>(7, 0);
  std::vector<long> second = std::vector<long>(5, 0);
  std::vector<long> third = std::vector<long>(5, 0);
  long withThird = 0;
  long unreadable = 0;
};

// Splits a male name into its parts by the syllable lists, the first part
// tried longest first so that "Gwyn" is not read as "Gwy" + "n...".
void TallyMaleName(std::string_view name, NameTally& tally) {
  const int first = StartingSyllable(name, kMale.first);
  if (first < 0) {
    ++tally.unreadable;
    return;
  }
  std::string_view rest = name.substr(kMale.first[first].size());
  int second = StartingSyllable(rest, kMale.second);
  if (second < 0 && rest.starts_with("naard")) {
    second = 3;
    rest.remove_prefix(1);
  }
  if (second < 0) {
    ++tally.unreadable;
    return;
  }
  rest.remove_prefix(kMale.second[second].size());
  ++tally.first[first];
  ++tally.second[second];
  if (rest.empty()) return;
  const int third = StartingSyllable(rest, kMale.third);
  if (third < 0 || rest != kMale.third[third]) {
    ++tally.unreadable;
    return;
  }
  ++tally.withThird;
  ++tally.third[third];
}

TEST(NameFairnessTest, MaleNamesFollowTheBrackets) {
  for (const auto& widths :
       {kFirstPartWidths, kLaterPartWidths, kThirdPartDecision}) {
    ASSERT_GE(OffByOnePower(widths, kNames), kRequiredPower);
  }
  ASSERT_GE(OffByOnePower(kLaterPartWidths, kNames / 2), kRequiredPower);
  const NameGenerator generator;
  RandomSource random(99);
  NameTally tally;
  for (long i = 0; i < kNames; ++i) {
    TallyMaleName(generator.GenerateName(NameChoice::kMale, random).name,
                  tally);
  }
  ASSERT_EQ(tally.unreadable, 0);
  EXPECT_TRUE(FitsWidths(tally.first, kFirstPartWidths));
  EXPECT_TRUE(FitsWidths(tally.second, kLaterPartWidths));
  EXPECT_TRUE(FitsWidths({tally.withThird, kNames - tally.withThird},
                         kThirdPartDecision));
  EXPECT_TRUE(FitsWidths(tally.third, kLaterPartWidths));
}

TEST(NameFairnessTest, FemaleNamesTakeAphreaOnceInFiveAndLunWithIt) {
  // "aphrea" is the fourth of the five second parts, 60-79: 20 draws of 99.
  const NameGenerator generator;
  RandomSource random(98);
  long aphrea = 0;
  for (long i = 0; i < kNames; ++i) {
    const std::string name =
        generator.GenerateName(NameChoice::kFemale, random).name;
    if (name.starts_with("Lunaphrea")) ++aphrea;
  }
  ASSERT_GE(OffByOnePower({20, 79}, kNames), kRequiredPower);
  EXPECT_TRUE(FitsWidths({aphrea, kNames - aphrea}, {20, 79}));
}

}  // namespace
}  // namespace quendaro
