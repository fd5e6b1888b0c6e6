// The tools' values read strictly: the whole text in plain decimal or it is
// refused, no wrap past the type's range, sizes within the one size rule,
// colours within 0..255.
#include "command_line/strict_values.h"

#include <gtest/gtest.h>

namespace sumimai {
namespace {

TEST(StrictValues, NumbersAreTheWholeTextInPlainDecimal) {
  EXPECT_EQ(strictWholeNumber("5"), 5);
  EXPECT_EQ(strictWholeNumber("-12"), -12);
  for (const char* bad : {"", " 5", "5 ", "+5", "0x5", "5e0", "5.0", "1_000", "99999999999999999999"}) {
    EXPECT_FALSE(strictWholeNumber(bad)) << bad;
  }
  EXPECT_EQ(strictRealNumber("2.5"), 2.5);
  EXPECT_EQ(strictRealNumber("-1e2"), -100);
  for (const char* bad : {"", " 1", "1 ", "+1", "0x5", "inf", "nan", "1e999", "1,5", "."}) {
    EXPECT_FALSE(strictRealNumber(bad)) << bad;
  }
}

TEST(StrictValues, SizesKeepTheOneSizeRule) {
  EXPECT_EQ(pictureSize("--size", "8192x1").value, (PictureSize{8192, 1}));
  const std::pair<const char*, std::string> refused[] = {
      {"8193x10", "the size 8193x10 is too large (at most 8192 a side)"},
      {"100000x100000", "the size 100000x100000 is too large (at most 8192 a side)"},
      {"99999999999x5", "the size 99999999999x5 is too large (at most 8192 a side)"},  // no wrap to 1215752191
      {"99999999999999999999x5", "--size needs WIDTHxHEIGHT in pixels, not '99999999999999999999x5'"},
      {"0x100", "the size 0x100 has no pixels"},
      {"-5x5", "the size -5x5 has no pixels"},
      {"100", "--size needs WIDTHxHEIGHT in pixels, not '100'"},
      {"100x", "--size needs WIDTHxHEIGHT in pixels, not '100x'"},
      {"1x2x3", "--size needs WIDTHxHEIGHT in pixels, not '1x2x3'"},
      {" 5x5", "--size needs WIDTHxHEIGHT in pixels, not ' 5x5'"},
  };
  for (const auto& [text, problem] : refused) {
    const ValueRead<PictureSize> read = pictureSize("--size", text);
    EXPECT_FALSE(read.value) << text;
    EXPECT_EQ(read.problem, problem);
  }
}

TEST(StrictValues, ColoursAndRangesAreChecked) {
  EXPECT_EQ(rgbColour("--ink", "0,128,255").value, (Rgb{0, 128, 255}));
  for (const char* bad : {"256,0,0", "-1,0,0", "1,2", "1,2,3,4", "1.5,2,3", "nan,0,0", "1, 2,3", ",,"}) {
    const ValueRead<Rgb> read = rgbColour("--ink", bad);
    EXPECT_FALSE(read.value) << bad;
    EXPECT_EQ(read.problem, "--ink needs R,G,B with each 0..255, not '" + std::string(bad) + "'");
  }
  EXPECT_EQ(wholeNumberIn("--fps", "60", 1, 60).value, 60);
  EXPECT_EQ(wholeNumberIn("--fps", "61", 1, 60).problem, "--fps 61 is outside 1..60");
  EXPECT_EQ(wholeNumberIn("--fps", "4294967297", 1, 60).problem, "--fps 4.29497e+09 is outside 1..60");
  EXPECT_EQ(realNumberIn("--hold", "1e9", 0, 60).problem, "--hold 1e+09 is outside 0..60");
  EXPECT_EQ(realNumberIn("--hold", "soon", 0, 60).problem, "--hold needs a number, not 'soon'");
}

}  // namespace
}  // namespace sumimai
