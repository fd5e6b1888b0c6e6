// The cells of a text in a window: as large as the window allows, never
// below the legible size (the picture then runs on past the window), the
// line length the user asks for kept; and a text file read as UTF-8 or,
// when its bytes are not UTF-8, as Shift-JIS.
#include <gtest/gtest.h>

#include "playback/text_file.h"
#include "playback/view_layout.h"

namespace sumimai {
namespace {

ViewRequest columns(int count, PictureSize view, std::optional<int> perLine = std::nullopt) {
  return {count, WritingDirection::Columns, perLine, view, 64};
}

TEST(ViewLayout, CellsAreAsLargeAsTheWindowAllows) {
  const ViewLayout four = viewLayout(columns(4, {1000, 600}));
  EXPECT_EQ(four.perLine, 2);  // two columns of two: 300 pixels each
  EXPECT_EQ(four.cell, 300);
  EXPECT_EQ(*four.request.size, (PictureSize{1000, 600}));

  const ViewLayout one = viewLayout(columns(1, {1000, 600}));
  EXPECT_EQ(one.cell, 600);

  const ViewLayout rows = viewLayout({3, WritingDirection::Rows, std::nullopt, {900, 400}, 64});
  EXPECT_EQ(rows.perLine, 3);
  EXPECT_EQ(rows.cell, 300);
  EXPECT_EQ(rows.request.direction, WritingDirection::Rows);
}

TEST(ViewLayout, ALongTextKeepsLegibleCellsAndRunsOnPastTheWindow) {
  const ViewLayout many = viewLayout(columns(1000, {1000, 600}));
  EXPECT_GE(many.cell, 64);
  EXPECT_LE(many.cell * many.perLine, 600);  // a column fits the window's height
  EXPECT_GT(many.request.size->width, 1000);  // the columns run on to the left
  EXPECT_EQ(many.request.size->height, 600);

  const ViewLayout asked = viewLayout(columns(20, {1000, 600}, 5));
  EXPECT_EQ(asked.perLine, 5);
  EXPECT_EQ(asked.cell, 120);  // five to a column of 600 pixels
  const ViewLayout tooLong = viewLayout(columns(20, {1000, 600}, 40));
  EXPECT_EQ(tooLong.perLine, 20);  // no longer than the text
  EXPECT_EQ(tooLong.cell, 64);
  EXPECT_EQ(tooLong.request.size->height, 20 * 64);
  EXPECT_TRUE(layOut(20, tooLong.request).ok());
}

TEST(TextFile, UtfEightOrShiftJisAndTheLastLineBreakDropped) {
  const TextFileRead utf8 = decodeText("\xEF\xBB\xBF\xE6\xB0\xB8\xE9\x81\xA0\r\n");
  EXPECT_EQ(utf8.text, "\xE6\xB0\xB8\xE9\x81\xA0");  // 永遠
  EXPECT_FALSE(utf8.shiftJis);
  const TextFileRead sjis = decodeText("\x89\x69\x89\x93\n");  // 永遠 in Shift-JIS
  EXPECT_TRUE(sjis.shiftJis);
  EXPECT_EQ(sjis.text, "\xE6\xB0\xB8\xE9\x81\xA0");
  const TextFileRead folder = readTextFile(".");
  EXPECT_FALSE(folder.ok());
  EXPECT_NE(folder.problem.find("フォルダ"), std::string::npos);
  EXPECT_FALSE(readTextFile("no such file.txt").ok());
}

}  // namespace
}  // namespace sumimai
