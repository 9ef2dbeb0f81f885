// Reading a number from the text of an input box, leniently or whole.
#pragma once

#include <optional>
#include <string_view>

namespace fourbar {

// The number the text begins with: leading blanks, an optional sign, digits with at most one
// decimal point, and an optional exponent; the rest is ignored. 0 when the text does not begin with
// a number ("abc", "inf", "nan", "" and "--5" all give 0; "0x10" gives 0). A number too large for
// a double ("1e400") is infinite with its sign; one too small ("1e-400") is 0.
double readNumber(std::string_view text);
// The same number, or nullopt when the text does not begin with one: for boxes where an empty or
// mistyped text must be refused rather than read as 0.
std::optional<double> leadingNumber(std::string_view text);
// The same number when it fills the whole text, or nullopt: for command-line values, where a
// typing slip such as "15O" must be refused rather than read as 15.
std::optional<double> wholeNumber(std::string_view text);

}  // namespace fourbar
