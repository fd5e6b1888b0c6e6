// The whole conversion on a small source folder: the files it writes, where
// the page puts each character, and how it fails.
#include <gtest/gtest.h>

#include "conversion/data_set.h"
#include "conversion/page_layout.h"
#include "data_files/character_list.h"
#include "data_files/stroke_file.h"
#include "main_window/page_picker.h"
#include "test_files.h"

namespace sumimai::strokes {
namespace {

using testing::readFile;
using testing::writeFile;

// One stroke: a bar across the middle of the box.
const char kBarSvg[] =
    "<svg><path id=\"z1d1\" d=\"M100 480L900 480L900 544L100 544Z\"/>"
    "<path clip-path=\"url(#z1c1)\" d=\"M80 512L920 512\"/></svg>";

class SmallSource : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string sutra = "\xEF\xBB\xBF";
    for (int i = 0; i < 276; ++i) sutra += i % 2 ? "一" : "二";
    writeFile("source/sutra.txt", sutra + "\r\n");
    for (const char* code : {"19968", "20108", "28023"}) writeFile(std::string("source/svg/") + code + ".svg", kBarSvg);
  }
  testing::ScratchFolder folder;
};

TEST_F(SmallSource, WritesEachCharacterTheSampleThePageAndTheList) {
  DataSetWrite written = writeDataSet("source", "out");
  ASSERT_TRUE(written.ok) << written.problem;
  for (const char* name : {"一.mem", "二.mem", "海（墨翁）.MEM"}) {
    StrokeTable table{};
    StrokeCountValue count;
    EXPECT_EQ(readStrokeFile(std::string("out/般若心経/") + name, table, count).status, StrokeFileStatus::Complete);
    EXPECT_EQ(table[1].Kind, 1) << name;
  }
  PageStrokeTable page;
  StrokeCountValue count;
  ASSERT_TRUE(readPageFile("out/般若心経/般若心経.mem", page, count).ok());
  EXPECT_GE(slotOf(count), 1 + 2 * 276);
  SutraTextTable list;
  ASSERT_TRUE(readCharacterList("out/般若心経/文字2.csv", list).ok);
  EXPECT_EQ(list[1], "二");
  EXPECT_EQ(list[276], "一");
  EXPECT_EQ(readFile("out/般若心経/文字2.csv").substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(SmallSource, NamesWhatIsMissingOrShort) {
  std::filesystem::remove("source/svg/20108.svg");
  DataSetWrite noGlyph = writeDataSet("source", "out");
  EXPECT_FALSE(noGlyph.ok);
  EXPECT_NE(noGlyph.problem.find("20108.svg"), std::string::npos) << noGlyph.problem;
  writeFile("source/sutra.txt", "一二");
  DataSetWrite shortText = writeDataSet("source", "out");
  EXPECT_FALSE(shortText.ok);
  EXPECT_NE(shortText.problem.find("276"), std::string::npos) << shortText.problem;
}

TEST(PageCells, EveryNumberStandsInCellsThePickerPicksForIt) {
  for (int n = 1; n <= 276; ++n) {
    PageCell cell = pageCell(n);
    Placement placement = cellPlacement(cell, 1024, 0.86);
    for (double sx : {0.0, 1024.0})
      for (double sy : {0.0, 1024.0}) {
        double x = sx * placement.scale + placement.offset.x, y = sy * placement.scale + placement.offset.y;
        EXPECT_EQ(pickedNumber(kPageGridBox, x, y), std::optional<int>(n)) << "corner of " << n;
      }
  }
}

TEST(SutraCharacters, SkipsTheByteOrderMarkAndLineBreaksAndStopsAtAFault) {
  std::vector<char32_t> read = sutraCharacters("\xEF\xBB\xBF摩訶\r\n埵 罣\n");
  EXPECT_EQ(read, (std::vector<char32_t>{U'摩', U'訶', U'埵', U'罣'}));
  EXPECT_EQ(sutraCharacters("摩\xC0\xAF訶"), (std::vector<char32_t>{U'摩'}));  // stops at an overlong "/"
}

}  // namespace
}  // namespace sumimai::strokes
