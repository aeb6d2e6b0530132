#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quendaro {

// Numbers as the windows show and read them. The decimal separator is always
// a parameter: the windows pass the system's regional one (a comma under
// Italian settings), tests and the command line pass what they need.

// A whole number as plain decimal digits: "0", "87", "20000".
std::string WholeText(int value);

// A single-precision value with at most seven significant digits and no
// decimals when it is whole: 77 / 6 gives "12,83333" with a comma.
std::string SingleText(float value, char decimal_separator);

// Reads a typed number: blanks around it are ignored, an optional sign, digits
// with at most one decimal separator and at least one digit. Anything else,
// the empty text included, is no number.
std::optional<double> ParseNumber(std::string_view text,
                                  char decimal_separator);

// A number that is exactly whole and fits an int ("3" and "3,0" give 3;
// "2,5" gives nothing).
std::optional<int> ParseWholeNumber(std::string_view text,
                                    char decimal_separator);

}  // namespace quendaro
