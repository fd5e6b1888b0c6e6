#include "data_files/number_forms.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace sumimai {
namespace {

TEST(NumericValue, TakesTheLongestLeadingDecimalNumber) {
  EXPECT_EQ(numericValue("12"), 12);
  EXPECT_EQ(numericValue(" 13"), 13);
  EXPECT_EQ(numericValue("7.5abc"), 7.5);
  EXPECT_EQ(numericValue("-3.25"), -3.25);
  EXPECT_EQ(numericValue("+4"), 4);
  EXPECT_EQ(numericValue(".5"), 0.5);
  EXPECT_EQ(numericValue("5."), 5);
  EXPECT_EQ(numericValue("1e3"), 1000);
  EXPECT_EQ(numericValue("2E-2x"), 0.02);
  EXPECT_EQ(numericValue("1e"), 1);     // an exponent without digits is not part of it
  EXPECT_EQ(numericValue("1e+"), 1);
  EXPECT_EQ(numericValue("3.4.5"), 3.4);
}

TEST(NumericValue, IgnoresBlanksTabsAndLineFeedsAnywhere) {
  EXPECT_EQ(numericValue("1 2"), 12);
  EXPECT_EQ(numericValue("\t- 1\n5"), -15);
  EXPECT_EQ(numericValue("1\r2"), 1);  // a carriage return ends the number
}

TEST(NumericValue, IsZeroWithoutANumber) {
  EXPECT_EQ(numericValue(""), 0);
  EXPECT_EQ(numericValue("abc"), 0);
  EXPECT_EQ(numericValue("-"), 0);
  EXPECT_EQ(numericValue("."), 0);
  EXPECT_FALSE(std::signbit(numericValue("-0")));
}

TEST(NumericValue, HoldsHugeValuesAtTheLargestFiniteDouble) {
  EXPECT_EQ(numericValue("1e999"), DBL_MAX);
  EXPECT_EQ(numericValue("-1e999"), -DBL_MAX);
}

TEST(ParseNumberItem, AcceptsExactlyOneNumber) {
  EXPECT_EQ(parseNumberItem(""), 0.0);
  EXPECT_EQ(parseNumberItem("  "), 0.0);
  EXPECT_EQ(parseNumberItem(" -42\t"), -42.0);
  EXPECT_EQ(parseNumberItem("12.5"), 12.5);
  EXPECT_EQ(parseNumberItem("1e2"), 100.0);
  EXPECT_FALSE(parseNumberItem("12abc"));
  EXPECT_FALSE(parseNumberItem("abc"));
  EXPECT_FALSE(parseNumberItem("1 2"));
  EXPECT_FALSE(parseNumberItem("-"));
}

TEST(Rounding, GoesHalvesToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(1687.5), 1688);
  EXPECT_EQ(roundHalfEven(5062.5), 5062);
  EXPECT_EQ(roundHalfEven(2.4999), 2);
}

TEST(Rounding, Int32RejectsWhatDoesNotFit) {
  EXPECT_EQ(roundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(roundToInt32(-2147483648.0), -2147483647 - 1);
  EXPECT_FALSE(roundToInt32(2147483647.5));
  EXPECT_FALSE(roundToInt32(-2147483649.0));
  EXPECT_FALSE(roundToInt32(NAN));
  EXPECT_FALSE(roundToInt32(INFINITY));
}

TEST(Rounding, Int16IsClamped) {
  EXPECT_EQ(roundToInt16Clamped(12.5), 12);
  EXPECT_EQ(roundToInt16Clamped(40000), 32767);
  EXPECT_EQ(roundToInt16Clamped(-40000), -32768);
  EXPECT_EQ(roundToInt16Clamped(NAN), 0);
}

TEST(ColourComponent, RoundsAndHoldsToTheRange) {
  EXPECT_EQ(colourComponent(12.5), 12);
  EXPECT_EQ(colourComponent(13.5), 14);
  EXPECT_EQ(colourComponent(256), 255);
  EXPECT_EQ(colourComponent(1e300), 255);
  EXPECT_EQ(colourComponent(-3), 0);
  EXPECT_EQ(colourComponent(NAN), 0);
}

TEST(DisplayForm, LeadingBlankOrMinusAndShortestDigits) {
  EXPECT_EQ(displayForm(0), " 0");
  EXPECT_EQ(displayForm(13), " 13");
  EXPECT_EQ(displayForm(-1), "-1");
  EXPECT_EQ(displayForm(12.4), " 12.4");
  EXPECT_EQ(displayForm(0.5), " .5");
  EXPECT_EQ(displayForm(-0.5), "-.5");
  EXPECT_EQ(displayForm(0.1), " .1");
  EXPECT_EQ(displayForm(0.1 + 0.2), " .3");  // at most 15 significant digits
  EXPECT_EQ(displayForm(1.0 / 3), " .333333333333333");
  EXPECT_EQ(displayForm(-0.0), " 0");
}

TEST(DisplayForm, ExponentFormAtTheEdges) {
  EXPECT_EQ(displayForm(999999999999999.0), " 999999999999999");
  EXPECT_EQ(displayForm(1e15), " 1E+15");
  EXPECT_EQ(displayForm(-1.5e20), "-1.5E+20");
  EXPECT_EQ(displayForm(0.0001), " .0001");
  EXPECT_EQ(displayForm(0.00001), " 1E-05");
}

TEST(PrintForm, AddsOneTrailingBlank) {
  EXPECT_EQ(printForm(200), " 200 ");
  EXPECT_EQ(printForm(12.4), " 12.4 ");
  EXPECT_EQ(printForm(-0.5), "-.5 ");
  EXPECT_EQ(stepForm(277), " 277");
}

TEST(DecimalDigits, HasNoBlank) {
  EXPECT_EQ(decimalDigits(5), "5");
  EXPECT_EQ(decimalDigits(-2.5), "-2.5");
}

}  // namespace
}  // namespace sumimai
