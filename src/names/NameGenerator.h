#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quendaro {

class RandomSource;

// Which kind of name to build; kNone when the user picked neither.
enum class NameChoice {
  kNone,
  kMale,
  kFemale,
};

// The name to show, or an empty name and the warning to show instead.
struct NameResult {
  NameChoice choice = NameChoice::kNone;
  std::string name;
  std::optional<std::string_view> warning;
};

inline constexpr std::string_view kNoNameChoiceWarning =
    "Selezionare se si vogliono generare nomi maschili o femminili";

// Builds a fantasy name from two or three syllable groups, each picked by one
// Roll(99, 1) of the shared source: first part, second part, whether a third
// part follows and, if so, the third part. The source is never reseeded.
class NameGenerator {
 public:
  // With kNone the first part is still drawn, so the shared sequence moves
  // by one, and the result is the warning alone.
  NameResult GenerateName(NameChoice choice, RandomSource& random) const;
};

}  // namespace quendaro
