#include <gtest/gtest.h>

#include <string>

#include "random/RandomState.h"

namespace quendaro {
namespace {

TEST(RandomStateTest, TextNamesTheStateAndReadsBack) {
  const RandomState state{0x853c49e6748fea9bULL, 0xda3e39cb94b95bdbULL, 0};
  EXPECT_EQ(StateText(state), "1_853c49e6748fea9b_da3e39cb94b95bdb_0");
  EXPECT_EQ(ReadStateText(StateText(state)), state);
  const RandomState extremes{0, 1, ~0ULL};
  EXPECT_EQ(ReadStateText(StateText(extremes)), extremes);
  // As a player may retype it.
  EXPECT_EQ(ReadStateText("1_0853C49E6748FEA9B_DA3E39CB94B95BDB_00"), state);
}

TEST(RandomStateTest, OtherTextsNameNoState) {
  for (const char* text : {"", "1_", "1.1.1", "1_1_1_1_1", "2.1.1.1", "1_1__1",
                           "1_x_1_1", "1_1_1_1 ", " 1_1_1_1", "1_1_2_1",
                           "1_11111111111111111_1_1", "1_+1_1_1", "1-1-1-1"}) {
    EXPECT_FALSE(ReadStateText(text)) << text;
  }
}

}  // namespace
}  // namespace quendaro
