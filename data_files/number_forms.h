// The number forms shared by both programs: how a text is read as a number,
// how a number becomes an integer, and the text forms numbers are written in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sumimai {

// The numeric value of a text as a text box or a number item has it: blanks,
// tabs and line feeds anywhere are ignored; the value is the longest leading
// decimal number (sign, digits, point and fraction, exponent); 0 if there is
// none. A value beyond the double range is held at the largest finite double.
double numericValue(std::string_view text);

// The value of a whole number item (blanks and tabs around it ignored, an
// empty item reads 0), or nothing when the item is not exactly one number.
std::optional<double> parseNumberItem(std::string_view item);

// Nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, -0.5 -> 0).
double roundHalfEven(double value);

// roundHalfEven into a signed 32-bit integer, or nothing when the rounded
// value does not fit (or the value is not a number).
std::optional<std::int32_t> roundToInt32(double value);

// roundHalfEven into a 16-bit scroll-bar value, clamped to the 16-bit range
// (NaN reads 0).
std::int16_t roundToInt16Clamped(double value);

// A colour component as a ring or a preview is drawn with: rounded halves to
// even, above 255 counts as 255, below 0 counts as 0, NaN as 0.
int colourComponent(double value);

// The shortest decimal form with at most 15 significant digits, no 0 before
// the point of a value between -1 and 1, exponent form ("1E+15", "1E-05")
// for very large or very small magnitudes; no leading blank.
std::string decimalDigits(double value);

// One blank for a value of 0 or more (a minus sign for a negative one), then
// decimalDigits. The form written into Text1 after a step and shown by the
// settings editor's text boxes.
std::string displayForm(double value);
inline std::string stepForm(double value) { return displayForm(value); }

// The form a number is printed in to the settings file: displayForm and one
// trailing blank.
std::string printForm(double value);

}  // namespace sumimai
