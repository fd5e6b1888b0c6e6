#include "number_checks.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "data_files/number_forms.h"

namespace sumimai::fuzz {
namespace {

bool isEven(double integral) { return std::fmod(integral, 2.0) == 0; }

void checkRounding(double v, Problems& problems) {
  double r = roundHalfEven(v);
  if (std::isfinite(v)) {
    double gap = std::fabs(r - v);
    expect(problems, std::trunc(r) == r, "roundHalfEven gives a fraction");
    expect(problems, gap <= 0.5, "roundHalfEven is not the nearest integer");
    expect(problems, gap != 0.5 || isEven(r), "roundHalfEven does not take halves to even");
  }
  constexpr double lo = std::numeric_limits<std::int32_t>::min(),
                   hi = std::numeric_limits<std::int32_t>::max();
  std::optional<std::int32_t> i32 = roundToInt32(v);
  expect(problems, i32.has_value() == (r >= lo && r <= hi),
         "roundToInt32 refuses a value in range or takes one outside");
  expect(problems, !i32 || *i32 == r, "roundToInt32 differs from roundHalfEven");
  std::int16_t i16 = roundToInt16Clamped(v);
  double held = std::isnan(r) ? 0 : std::fmax(-32768.0, std::fmin(32767.0, r));
  expect(problems, i16 == held, "roundToInt16Clamped is not the rounded value held to 16 bits");
  int c = colourComponent(v);
  expect(problems, c >= 0 && c <= 255, "colourComponent outside 0..255");
}

std::size_t significantDigits(const std::string& digits) {
  std::string mantissa = digits.substr(0, digits.find('E'));
  std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string::npos) return 0;
  std::size_t count = 0;
  for (std::size_t i = first; i < mantissa.size(); ++i) count += mantissa[i] >= '0' && mantissa[i] <= '9';
  return count;
}

}  // namespace

void checkPrintForm(double value, Problems& problems) {
  std::string form = printForm(value);
  expect(problems, form.size() >= 3 && (form[0] == ' ' || form[0] == '-') && form.back() == ' ',
         "the print form does not start with a blank or minus and end with a blank");
  std::string digits = decimalDigits(value);
  expect(problems, displayForm(value) + " " == form, "the print form is not the display form and a blank");
  expect(problems, digits.find_first_not_of("0123456789.-+E") == std::string::npos,
         "the print form holds more than digits");
  expect(problems, digits.rfind("0.", 0) != 0 && digits.rfind("-0.", 0) != 0,
         "the print form keeps a 0 before the point");
  expect(problems, significantDigits(digits) <= 15, "the print form has more than 15 significant digits");
  std::optional<double> back = parseNumberItem(form);
  expect(problems, back.has_value(), "the print form does not read back as a number item");
  if (!back) return;
  expect(problems, std::isfinite(*back), "the print form reads back as a value that is not finite");
  expect(problems, *back == numericValue(form), "the print form reads differently as a text box");
  expect(problems, printForm(*back) == form, "writing the value read back changes the print form");
  if (std::isfinite(value) && std::fabs(value) < std::numeric_limits<double>::max()) {
    expect(problems,
           std::fabs(*back - value) <= 1e-14 * std::fabs(value) + std::numeric_limits<double>::denorm_min(),
           "the print form reads back more than 15 digits away");
  }
}

Problems checkNumberForms(std::string_view bytes) {
  Problems problems;
  double text = numericValue(bytes);
  expect(problems, std::isfinite(text), "numericValue is not finite");
  expect(problems, !(text == 0 && std::signbit(text)), "numericValue gives minus zero");
  std::optional<double> item = parseNumberItem(bytes);
  expect(problems, !item || std::isfinite(*item), "a number item reads as a value that is not finite");
  expect(problems, !item || *item == text, "a number item reads differently as a text box");
  double raw = 0;
  if (bytes.size() >= sizeof raw) std::memcpy(&raw, bytes.data(), sizeof raw);
  for (double v : {text, raw}) {
    checkRounding(v, problems);
    checkPrintForm(v, problems);
  }
  return problems;
}

}  // namespace sumimai::fuzz
