// Any integers become the counts of the nine treasure types and any bytes the
// dice; the lair must add up, roll by roll, to what the table allows.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "common/NumberText.h"
#include "fuzz/FuzzSupport.h"
#include "presentation/TreasurePresentation.h"
#include "random/RandomSource.h"
#include "treasure/LairTreasureTable.h"
#include "treasure/TreasureGenerator.h"
#include "treasure/TreasureResult.h"

namespace quendaro::fuzzing {
namespace {

// Counts near the accepted 1-5 most of the time, any integer otherwise.
int TakeCount(FuzzInput& input) {
  const std::uint8_t selector = input.TakeByte();
  if (selector < 0xC0) return static_cast<int>(selector % 8) - 1;
  return input.TakeInt32();
}

// Replays the recorded rolls through the lair table: one percentage test per
// row the type has, an amount for each that passes, multiplied by the count,
// then the magic test. The totals must be the sums of those parts.
void CheckLair(const TreasureGenerator::Counts& counts,
               const TreasureWindowTexts& result,
               const std::vector<RecordedRoll>& rolls) {
  RollReplay replay(rolls);
  std::array<long long, kTreasureKindCount> totals{};
  for (int type = 0; type < kTreasureTypeCount; ++type) {
    const int count = counts[static_cast<std::size_t>(type)];
    const std::string& magic =
        result.magic_lines[static_cast<std::size_t>(type)];
    if (count < 1 || count > kMaxTreasureCount) {
      Require(magic.empty(), "a magic line for an absent type", magic);
      continue;
    }
    const TreasureTypeEntry& entry = TreasureType(type);
    for (int kind = 0; kind < kTreasureKindCount; ++kind) {
      const TreasureRow& row = RowOf(entry, static_cast<TreasureKind>(kind));
      if (!row.Present()) continue;
      if (replay.Expect(100, 1, "a percentage test") > row.chance) continue;
      const int amount =
          replay.Expect(row.high - row.low + 1, row.low, "an amount");
      totals[static_cast<std::size_t>(kind)] +=
          static_cast<long long>(amount) * count;
    }
    const bool found =
        replay.Expect(100, 1, "the magic test") <= entry.magicChance;
    Require(magic == (found ? std::string(MagicText(type, count)) : ""),
            "a magic line other than the table's line for the count", magic);
  }
  replay.ExpectEnd();
  for (int kind = 0; kind < kTreasureKindCount; ++kind) {
    const std::string& shown = result.totals[static_cast<std::size_t>(kind)];
    Require(IsWholeText(shown), "a total that is no whole number", shown);
    Require(shown == std::to_string(totals[static_cast<std::size_t>(kind)]),
            "a total other than the sum of its amounts", shown);
  }
}

}  // namespace
}  // namespace quendaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace quendaro;
  using namespace quendaro::fuzzing;
  FuzzInput input(data, size);
  TreasureGenerator::Counts counts{};
  for (int& count : counts) count = TakeCount(input);
  const std::unique_ptr<RandomSource> random = SourceFrom(input);
  RollRecorder recorder;
  random->SetObserver(&recorder);

  const TreasureResult result = TreasureGenerator().Generate(counts, *random);
  Require(recorder.reseeds == 0, "a lair that reseeds the source");
  CheckLair(counts, WindowTexts(result), recorder.rolls);
  return 0;
}
