// Numbers, sizes and colours as a command line gives them, read strictly:
// the whole text is the value, in plain decimal, with nothing around it
// (" 5", "5 ", "+5", "0x5", "5e" and "" are refused), and a number too large
// for its type is refused rather than wrapped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/geometry.h"

namespace sumimai {

// The largest width or height of a picture any tool makes.
inline constexpr int kLargestSide = 8192;

std::optional<long long> strictWholeNumber(std::string_view text);
// A finite decimal number ("1.5", "-2", "3e2"); no infinity or NaN.
std::optional<double> strictRealNumber(std::string_view text);

// A value that is not of the kind wanted, or outside its range, said in the
// user's language: "--fps needs a whole number, not 'x'", "the hold 61 is
// outside 0..60". needs is one of the English kinds the catalogue knows.
std::string notAValue(std::string_view option, const char* needs, std::string_view text);
std::string outsideRange(std::string_view subject, double value, double low, double high);

// The outcome of reading one value: the value, or a sentence saying what is
// wrong, naming the option ("--size needs WIDTHxHEIGHT in pixels, not 'x5'").
template <typename T>
struct [[nodiscard]] ValueRead {
  std::optional<T> value;
  std::string problem;
  bool ok() const { return problem.empty(); }
};

// A whole number low..high.
ValueRead<int> wholeNumberIn(std::string_view option, std::string_view text, int low, int high);
// A number low..high.
ValueRead<double> realNumberIn(std::string_view option, std::string_view text, double low, double high);
// "WxH", each side 1..kLargestSide.
ValueRead<PictureSize> pictureSize(std::string_view option, std::string_view text);
// "R,G,B", each component a whole number 0..255.
ValueRead<Rgb> rgbColour(std::string_view option, std::string_view text);

}  // namespace sumimai
