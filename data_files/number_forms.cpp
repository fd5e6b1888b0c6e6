#include "number_forms.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace sumimai {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The text with blanks, tabs and line feeds removed.
std::string squeezed(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') out.push_back(c);
  }
  return out;
}

// Length of the longest leading decimal number of s (0 if none).
std::size_t leadingNumberLength(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    std::size_t j = i + 1, fraction = 0;
    while (j < s.size() && isDigit(s[j])) ++j, ++fraction;
    if (digits + fraction > 0) i = j, digits += fraction;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1, exponent = 0;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    while (j < s.size() && isDigit(s[j])) ++j, ++exponent;
    if (exponent > 0) i = j;
  }
  return i;
}

double toDouble(const std::string& number) {
  double v = std::strtod(number.c_str(), nullptr);
  if (std::isinf(v)) v = std::copysign(DBL_MAX, v);
  return v;
}

}  // namespace

double numericValue(std::string_view text) {
  std::string s = squeezed(text);
  std::size_t n = leadingNumberLength(s);
  if (n == 0) return 0.0;
  return toDouble(s.substr(0, n)) + 0.0;  // + 0.0 turns -0 into 0
}

std::optional<double> parseNumberItem(std::string_view item) {
  std::size_t b = 0, e = item.size();
  while (b < e && (item[b] == ' ' || item[b] == '\t')) ++b;
  while (e > b && (item[e - 1] == ' ' || item[e - 1] == '\t')) --e;
  std::string_view s = item.substr(b, e - b);
  if (s.empty()) return 0.0;
  if (leadingNumberLength(s) != s.size()) return std::nullopt;
  return toDouble(std::string(s)) + 0.0;
}

double roundHalfEven(double value) {
  // The default floating-point environment rounds to nearest, ties to even.
  return std::nearbyint(value);
}

std::optional<std::int32_t> roundToInt32(double value) {
  double r = roundHalfEven(value);
  if (!(r >= std::numeric_limits<std::int32_t>::min() &&
        r <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(r);
}

std::int16_t roundToInt16Clamped(double value) {
  if (std::isnan(value)) return 0;
  double r = roundHalfEven(value);
  if (r < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  if (r > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(r);
}

int colourComponent(double value) {
  if (std::isnan(value)) return 0;
  double r = roundHalfEven(value);
  if (r > 255) return 255;
  if (r < 0) return 0;
  return static_cast<int>(r);
}

std::string decimalDigits(double value) {
  if (std::isnan(value)) return "0";
  if (std::isinf(value)) value = std::copysign(DBL_MAX, value);
  if (value == 0) return "0";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  std::string s = buffer;
  // "0.5" -> ".5", "-0.5" -> "-.5"
  std::size_t zero = (s[0] == '-') ? 1 : 0;
  if (s.size() > zero + 1 && s[zero] == '0' && s[zero + 1] == '.') s.erase(zero, 1);
  return s;
}

std::string displayForm(double value) {
  std::string digits = decimalDigits(value);
  return digits[0] == '-' ? digits : " " + digits;
}

std::string printForm(double value) { return displayForm(value) + " "; }

}  // namespace sumimai
