#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendaro {

// Where the dice of one generation start: the random source's state just
// before it, and the clock reading that its reseeds mix in. A source put back
// into it rolls the same generation again, draw for draw, on any machine and
// at any time: the character and weapon generators reseed from this reading,
// not from the clock of the moment.
struct RandomState {
  std::uint64_t state = 0;
  std::uint64_t increment = 1;  // the generator's stream; always odd
  std::uint64_t time = 0;       // nanoseconds of the wall clock

  friend bool operator==(const RandomState&, const RandomState&) = default;
};

// The state as a short text a game master can copy into a command line:
// "1_" and the three numbers in lower-case hexadecimal without leading
// zeros, joined by underscores ("1_853c49e6748fea9b_da3e39cb94b95bdb_0"). The
// leading 1 names this layout. Underscores, not dashes or points, because a
// line is never broken at them: a printed sheet keeps the text in one piece.
std::string StateText(const RandomState& state);

// The state a text of StateText names, upper-case digits and leading zeros
// allowed; nothing for any other text (a stream that is not odd included).
std::optional<RandomState> ReadStateText(std::string_view text);

}  // namespace quendaro
