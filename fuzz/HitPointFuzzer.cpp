// Any bytes become the level text, the class group, the reroll option and the
// dice; the result is empty for anything but a level 1-20 and otherwise
// inside that level's range.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/NumberText.h"
#include "fuzz/FuzzSupport.h"
#include "hitpoints/ClassGroup.h"
#include "hitpoints/HitPointRoller.h"
#include "hitpoints/HitPointTable.h"
#include "presentation/HitPointPresentation.h"
#include "random/RandomSource.h"

namespace {

constexpr std::array<std::string_view, 12> kLevels = {
    "1", "20", "0", "21", "3,0", "3.0", " 7 ", "2,5", "-1", "+5", "", "１"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace quendaro;
  using namespace quendaro::fuzzing;
  FuzzInput input(data, size);
  const char separator = input.TakeBool() ? ',' : '.';
  const auto group =
      static_cast<ClassGroup>(input.TakeByte() % kClassGroupCount);
  const bool reroll = input.TakeBool();
  const std::string level_text = input.TakeChoiceOrBytes(kLevels);
  const std::unique_ptr<RandomSource> random = SourceFrom(input);

  const std::size_t draws_before = random->DrawCount();
  const std::string hit_points =
      WindowText(HitPointRoller(separator).RollHitPoints(group, level_text,
                                                         reroll, *random));
  const std::size_t draws = random->DrawCount() - draws_before;

  const std::optional<int> level = ParseWholeNumber(level_text, separator);
  if (!level || *level < kLowestLevel || *level > kHighestLevel) {
    Require(hit_points.empty(), "hit points for a text that is no level",
            level_text);
    Require(draws == 0, "a draw for a text that is no level", level_text);
    return 0;
  }
  Require(draws == 1, "a level that does not take exactly one draw",
          level_text);
  Require(IsWholeText(hit_points), "hit points that are no whole number",
          hit_points);
  const HitPointRange& range = HitPointRangeFor(group, *level, reroll);
  const int value = WholeValue(hit_points);
  Require(value >= range.low + range.addition &&
              value <= range.high + range.addition,
          "hit points outside the level's range", hit_points);
  return 0;
}
