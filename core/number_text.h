// How numbers are written into text boxes and the data listing.
#pragma once

#include <string>

namespace fourbar {

// General form with up to 15 significant digits; a value that is not negative gets a leading blank
// and no zero stands before the point: " 360", " .5", "-.5", " 1E+16", " 1E-05".
// A value that is not finite gives the empty text.
std::string numberText(double value);
// The same with up to 7 significant digits, for values held in single precision: " 187.7075".
std::string singleNumberText(float value);
// The same digits as numberText, without the leading blank and with a zero before the point: "0.5".
std::string plainNumberText(double value);
// A number as the presets write it into an input box: its shortest decimal digits that read back
// to the same double, without exponent, preceded by one blank; a negative number carries its minus
// sign instead: " 150", "-1", " 61.503", " 0.5". A value that is not finite gives the empty text.
std::string inputNumberText(double value);
// The listing pattern "###.##": "12.35", "12.5", "12.", ".5", ".", "-3.14", "1234.5".
// Rounds the 15-significant-digit decimal form, halves away from zero. Not finite: empty text.
std::string patternText(double value);
// The shortest text that reads back to the same double, or float, as the CSV files write numbers:
// "0.1", "106.76621", "-1e-07". A value that is not finite gives the empty text.
std::string shortestNumberText(double value);
std::string shortestNumberText(float value);
// The listing's plain crank angle: the number text followed by one blank: " 10 ", "-40 ", " 2.5 ".
std::string plainCrankAngle(double value);

}  // namespace fourbar
