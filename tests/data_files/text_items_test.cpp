#include "data_files/text_items.h"

#include <gtest/gtest.h>

#include "core/printable.h"
#include "data_files/file_paths.h"
#include "data_files/stroke_file.h"

#include <sstream>
#include <vector>

namespace sumimai {
namespace {

std::vector<std::string> itemsOf(const std::string& bytes) {
  std::istringstream in(bytes);
  TextItemReader reader(in);
  std::vector<std::string> out;
  while (auto item = reader.next()) out.push_back(item->text);
  return out;
}

using Items = std::vector<std::string>;

TEST(TextItems, CommasAndLineBreaksSeparateAlike) {
  EXPECT_EQ(itemsOf("a,b\r\nc\nd\re"), (Items{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(itemsOf("1,2,,,\r\n"), (Items{"1", "2", "", "", ""}));
  EXPECT_EQ(itemsOf("x\r\n\r\ny"), (Items{"x", "", "y"}));
  EXPECT_EQ(itemsOf("last"), (Items{"last"}));
  EXPECT_EQ(itemsOf(""), (Items{}));
}

TEST(TextItems, BlanksAndTabsAroundAnItemAreIgnored) {
  EXPECT_EQ(itemsOf("  12 ,\t34\t\r\n a b "), (Items{"12", "34", "a b"}));
}

TEST(TextItems, QuotesAreRemovedAndMayHoldCommas) {
  EXPECT_EQ(itemsOf("\"a,b\",c"), (Items{"a,b", "c"}));
  EXPECT_EQ(itemsOf(" \" x \" ,y"), (Items{" x ", "y"}));
  EXPECT_EQ(itemsOf("\"a\"junk,b"), (Items{"a", "b"}));
  // An unclosed quote ends at the line break instead of taking the file.
  EXPECT_EQ(itemsOf("\"open\r\nnext"), (Items{"open", "next"}));
}

TEST(TextItems, ShiftJisIsDecodedAndUtf8WithByteOrderMark) {
  // 般, 若 and 表 in Shift-JIS; the second byte of 表 (0x95 0x5C) is ASCII '\\'.
  EXPECT_EQ(itemsOf("\x94\xCA,\x8E\xE1\r\n\x95\x5C"), (Items{"般", "若", "表"}));
  EXPECT_EQ(itemsOf("\xEF\xBB\xBF罣,埵"), (Items{"罣", "埵"}));
  std::istringstream in("\xEF\xBB\xBFx");
  TextItemReader reader(in);
  EXPECT_EQ(reader.encoding(), TextEncoding::Utf8);
}

TEST(TextItems, BadBytesBecomeReplacementCharacters) {
  EXPECT_EQ(itemsOf("\x81"), (Items{"\xEF\xBF\xBD"}));
  EXPECT_EQ(itemsOf("\xEF\xBB\xBF\xC3(\xFF"), (Items{"\xEF\xBF\xBD(\xEF\xBF\xBD"}));
  EXPECT_EQ(validUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // a surrogate
  EXPECT_EQ(validUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // overlong
}

TEST(TextItems, AHugeItemIsCutAndFlagged) {
  std::string huge(TextItemReader::kMaxItemBytes * 3, '7');
  std::istringstream in(huge + ",8");
  TextItemReader reader(in);
  auto first = reader.next();
  ASSERT_TRUE(first);
  EXPECT_TRUE(first->truncated);
  EXPECT_EQ(first->text.size(), TextItemReader::kMaxItemBytes);
  EXPECT_EQ(reader.next()->text, "8");
}

}  // namespace
}  // namespace sumimai

namespace sumimai {
namespace {

// Bytes from a file or a name that would act on a terminal or a message box
// are shown as escapes wherever a message quotes them.
TEST(TextItems, ControlCharactersAreShownEscapedInMessages) {
  EXPECT_EQ(numberOfItem({"1\x1b[2J\a", false, false}).problem, "「1\\x1B[2J\\x07」は数値ではありません。");
  std::istringstream file("h\r\n1,1e300\x7f,0,0,0,1,1,,,,\r\n99999\r\n");
  StrokeTable table;
  StrokeCountValue count = 0;
  EXPECT_EQ(readStrokeStream(file, table, count).problem, "記録 1 の項目 2「1e300\\x7F」は数値ではありません。");
  EXPECT_EQ(dataFileDisplayName("\x1b]0;title\a.mem"), "般若心経\\\\x1B]0;title\\x07.mem");
  // C1 controls too; other characters and invalid bytes stay as they are.
  EXPECT_EQ(printable("色\u009b2J\xff" "a"), "色\\u009B2J\xff" "a");
}

}  // namespace
}  // namespace sumimai
