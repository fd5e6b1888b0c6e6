// The faults the fuzzers found, pinned down with the outcome the user gets.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "checks/checked_canvas.h"
#include "core/utf8.h"
#include "data_files/settings_file.h"
#include "data_files/stroke_file.h"
#include "data_files/text_items.h"
#include "renderer/fitting.h"
#include "renderer/page_drawing.h"
#include "test_files.h"

namespace sumimai::fuzz {
namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

std::string times(int n, const std::string& s) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(FoundFaults, ALongItemIsQuotedUpToAWholeCharacter) {
  EXPECT_EQ(utf8Prefix("a般若", 3), "a");
  EXPECT_EQ(utf8Prefix("a般若", 4), "a般");
  EXPECT_EQ(utf8Prefix("a般若", 7), "a般若");
  EXPECT_EQ(utf8Prefix("般", 0), "");
}

// A number item of 20 three-byte characters (60 bytes): the message quotes
// the first 13 (39 bytes) where it once cut the 14th after its first byte.
TEST(FoundFaults, ADamagedStrokeFileIsToldInWholeCharacters) {
  testing::ScratchFolder folder;
  testing::writeFile("海.mem", std::string(kUtf8Mark) + "header\r\n1," + times(20, "般") +
                                   ",1,1,1,1,1,,,,\r\n99999\r\n99999\r\n");
  StrokeTable table{};
  StrokeCountValue count;
  StrokeFileRead read = readStrokeFile("海.mem", table, count);
  EXPECT_EQ(read.status, StrokeFileStatus::Damaged);
  EXPECT_EQ(read.problem, "記録 1 の項目 2「" + times(13, "般") + "」は数値ではありません。");
  EXPECT_TRUE(decodeUtf8(read.problem).ok());
}

TEST(FoundFaults, ADamagedSettingsFileIsToldInWholeCharacters) {
  testing::ScratchFolder folder;
  testing::writeFile(kSettingsFileName,
                     std::string(kUtf8Mark) + " 3\r\n" + times(20, "赤") + "\r\n 1 \r\n 2 \r\n");
  SettingsRead read = readSettingsFile(kSettingsFileName);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.problem, "2 行目「" + times(13, "赤") + "」は数値ではありません。");
}

// A page whose values are all of the order of 1e-300 once scaled its grid box
// to infinity; the factor is now held to 1e9.
TEST(FoundFaults, APageOfATinyExtentKeepsItsGridFinite) {
  PageStrokeTable page;
  page[1] = {1e-300, 1e-300, 2e-300, 3e-300, 1, 1e-300};
  page[2].StartX = StrokeTerminator;
  StrokeCountValue count = 2;
  GridBox grid = kPageGridBox;
  拡大縮小(page, count, grid, {9030, 6030});
  EXPECT_EQ(page[1].EndX, 2e-300 * 1e9);
  EXPECT_EQ(grid, (GridBox{135e9, 2715e9, 14630e9, std::numeric_limits<std::int32_t>::max()}));
  補正(page, count, grid, {9000, 6000});
  EXPECT_TRUE(std::isfinite(grid.GridLeft) && std::isfinite(grid.GridTop) && std::isfinite(grid.GridRight));
  CheckedCanvas canvas({9030, 6030});
  drawPageGrid(canvas, grid);
  InkColour ink;
  double thickness = 0;
  描画2(page, canvas, {}, ink, {thickness, count});
  EXPECT_EQ(canvas.badCalls(), 0u) << canvas.firstBadCall();
}

}  // namespace
}  // namespace sumimai::fuzz
