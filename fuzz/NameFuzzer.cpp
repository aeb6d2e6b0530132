// Any bytes become the name choice and the dice; a name must be one the
// syllable tables can build, and the warning must come alone.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>

#include "fuzz/FuzzSupport.h"
#include "names/NameGenerator.h"
#include "random/RandomSource.h"

namespace quendaro::fuzzing {
namespace {

// The draw that makes Roll(99, 1) give `value`.
float DrawFor(int value) { return static_cast<float>((value - 0.5) / 99.0); }

// Every name the generator builds from in-range dice: each of the 99 values
// of every choice, with and without a third part. The fuzzer then checks
// that no draw, the extreme ones included, builds anything else.
std::unordered_set<std::string> AllNames(NameChoice choice) {
  std::unordered_set<std::string> names;
  RandomSource random;
  const NameGenerator generator;
  for (int first = 1; first <= 99; ++first) {
    for (int second = 1; second <= 99; ++second) {
      random.ScriptDraws({DrawFor(first), DrawFor(second), DrawFor(99)});
      names.insert(generator.GenerateName(choice, random).name);
      for (int third = 1; third <= 99; ++third) {
        random.ScriptDraws(
            {DrawFor(first), DrawFor(second), DrawFor(1), DrawFor(third)});
        names.insert(generator.GenerateName(choice, random).name);
      }
    }
  }
  return names;
}

}  // namespace
}  // namespace quendaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace quendaro;
  using namespace quendaro::fuzzing;
  static const std::unordered_set<std::string> male_names =
      AllNames(NameChoice::kMale);
  static const std::unordered_set<std::string> female_names =
      AllNames(NameChoice::kFemale);

  FuzzInput input(data, size);
  const auto choice = static_cast<NameChoice>(input.TakeByte() % 3);
  const std::unique_ptr<RandomSource> random = SourceFrom(input);
  const std::size_t draws_before = random->DrawCount();
  const NameResult result = NameGenerator().GenerateName(choice, *random);
  const std::size_t draws = random->DrawCount() - draws_before;
  Require(random->ReseedCount() == 0, "a name that reseeds the source");

  switch (choice) {
    case NameChoice::kNone:
      Require(result.name.empty() && result.warning == kNoNameChoiceWarning,
              "no choice must give the warning and no name", result.name);
      Require(draws == 1, "no choice must still move the dice by one");
      return 0;
    case NameChoice::kMale:
      Require(male_names.contains(result.name),
              "a male name the syllables cannot build", result.name);
      break;
    case NameChoice::kFemale:
      Require(female_names.contains(result.name),
              "a female name the syllables cannot build", result.name);
      break;
  }
  Require(!result.warning, "a warning beside a name", result.name);
  Require(draws == 3 || draws == 4,
          "a name that does not take three or four draws");
  return 0;
}
