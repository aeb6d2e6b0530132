#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "common/NumberText.h"

namespace quendaro {
namespace {

TEST(NumberTextTest, WholeNumbersArePlainDigits) {
  EXPECT_EQ(WholeText(0), "0");
  EXPECT_EQ(WholeText(20000), "20000");
}

TEST(NumberTextTest, SingleValuesKeepSevenSignificantDigits) {
  EXPECT_EQ(SingleText(77.0f / 6.0f, ','), "12,83333");
  EXPECT_EQ(SingleText(77.0f / 6.0f, '.'), "12.83333");
  EXPECT_EQ(SingleText(1.0f / 6.0f, ','), "0,1666667");
  EXPECT_EQ(SingleText(105.0f / 6.0f, ','), "17,5");
}

TEST(NumberTextTest, WholeSingleValuesHaveNoDecimals) {
  EXPECT_EQ(SingleText(0.0f, ','), "0");
  EXPECT_EQ(SingleText(72.0f / 6.0f, ','), "12");
}

TEST(NumberTextTest, ParsesWithTheGivenSeparatorOnly) {
  EXPECT_EQ(ParseNumber("3,5", ','), 3.5);
  EXPECT_EQ(ParseNumber("3.5", '.'), 3.5);
  EXPECT_EQ(ParseNumber("3.5", ','), std::nullopt);
  EXPECT_EQ(ParseNumber(" 7 ", ','), 7.0);
  EXPECT_EQ(ParseNumber("-2", ','), -2.0);
  EXPECT_EQ(ParseNumber(",5", ','), 0.5);
}

TEST(NumberTextTest, TextsOfDigitsOnlyReadAsTheNearestDouble) {
  // Short runs of digits take a quicker way than the rest: it must give the
  // same value, the sign of a zero included, on both sides of its limit.
  for (const char* text :
       {"0", "-0", "+0", "007", "+12", "-34", "123456789012345",
        "-999999999999999", "9007199254740993", "99999999999999999999"}) {
    const std::optional<double> value = ParseNumber(text, ',');
    ASSERT_TRUE(value.has_value()) << text;
    const double expected = std::strtod(text, nullptr);
    EXPECT_EQ(*value, expected) << text;
    EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << text;
  }
}

TEST(NumberTextTest, RejectsWhatIsNoNumber) {
  for (const char* text :
       {"", " ", "abc", "1a", "1,2,3", "+", ",", "1 2", "--1", "1-", "\x00"}) {
    EXPECT_EQ(ParseNumber(text, ','), std::nullopt) << '"' << text << '"';
  }
}

TEST(NumberTextTest, WholeNumbersAcceptZeroDecimalsOnly) {
  EXPECT_EQ(ParseWholeNumber("3", ','), 3);
  EXPECT_EQ(ParseWholeNumber("3,0", ','), 3);
  EXPECT_EQ(ParseWholeNumber("2,5", ','), std::nullopt);
  EXPECT_EQ(ParseWholeNumber("99999999999", ','), std::nullopt);
}

}  // namespace
}  // namespace quendaro
