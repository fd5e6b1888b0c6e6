#include "data_files/stroke_file.h"

#include <gtest/gtest.h>

#include <string>

#include "data_files/file_paths.h"
#include "test_files.h"

namespace sumimai {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

std::string recordLine(int n, int sx, int sy, int ex, int ey, int kind, int thickness) {
  return std::to_string(n) + "," + std::to_string(sx) + "," + std::to_string(sy) + "," +
         std::to_string(ex) + "," + std::to_string(ey) + "," + std::to_string(kind) + "," +
         std::to_string(thickness) + ",,,,\r\n";
}

// A stroke file of n records, each distinct, with its two end lines.
std::string strokeFile(int n, const std::string& header = "海（墨翁）") {
  std::string s = header + "\r\n";
  for (int i = 1; i <= n; ++i) s += recordLine(i, 10 * i, 20 * i, 10 * i + 5, 20 * i + 5, 1 + i % 2, i);
  return s + "99999\r\n99999\r\n";
}

StrokeRecord terminator() { return StrokeRecord{StrokeTerminator, 0, 0, 0, 0, 0}; }

class StrokeFileTest : public ::testing::Test {
 protected:
  // Reads 般若心経/name, as the main window does for a character.
  void load(const std::string& name) { last = readStrokeFile(dataFilePath(name), table, count); }

  ScratchFolder folder;
  StrokeTable table{};
  StrokeCountValue count;
  StrokeFileRead last;
};

TEST_F(StrokeFileTest, RecordsFillSlotsThenTheEndMarkThenZeros) {
  writeFile(dataFilePath("海.mem"), strokeFile(3));
  table[0] = StrokeRecord{7, 7, 7, 7, 7, 7};  // slot 0 is never touched
  table[50].StartX = 123;                     // left over from an earlier load
  load("海.mem");
  EXPECT_EQ(table[1], (StrokeRecord{10, 20, 15, 25, 2, 1}));
  EXPECT_EQ(table[3], (StrokeRecord{30, 60, 35, 65, 2, 3}));
  EXPECT_EQ(table[4], terminator());
  for (int i = 5; i <= kStrokeSlots; ++i) EXPECT_EQ(table[i], StrokeRecord{}) << i;
  EXPECT_EQ(table[0], (StrokeRecord{7, 7, 7, 7, 7, 7}));
  EXPECT_EQ(count, 4);
  EXPECT_EQ(last.status, StrokeFileStatus::Complete);
}

TEST_F(StrokeFileTest, ItemsAreCountedNotLines) {
  // The header's comma makes two items; the second is taken as record 1's
  // number, and everything after shifts by one, so that the first 99999 of
  // the end lines becomes record 2's StartX.
  writeFile(dataFilePath("a.mem"), "海,墨翁\r\n" + recordLine(1, 100, 200, 300, 400, 1, 5) + "99999\r\n99999\r\n");
  load("a.mem");
  EXPECT_EQ(table[1], (StrokeRecord{1, 100, 200, 300, 400, 1}));
  EXPECT_EQ(table[2], terminator());
  EXPECT_EQ(count, 2);
}

TEST_F(StrokeFileTest, ThicknessZeroIsStoredAsOneNegativeStaysAndFractionsRound) {
  writeFile(dataFilePath("t.mem"), "h\r\n" + recordLine(1, 1, 2, 3, 4, 1, 0) + recordLine(2, 1, 2, 3, 4, 2, -7) +
                                      "3,2.5,3.5,-0.5,1e3,2,0.4,,,,\r\n99999\r\n99999\r\n");
  load("t.mem");
  EXPECT_EQ(table[1].Thickness, 1);
  EXPECT_EQ(table[2].Thickness, -7);
  EXPECT_EQ(table[3], (StrokeRecord{2, 4, 0, 1000, 2, 1}));
}

TEST_F(StrokeFileTest, AnEarlyEndMarkEndsTheTable) {
  writeFile(dataFilePath("e.mem"), "h\r\n" + recordLine(1, 1, 2, 3, 4, 1, 5) + "2,99999,8,8,8,8,8,,,,\r\n" +
                                      recordLine(3, 9, 9, 9, 9, 1, 9) + "99999\r\n99999\r\n");
  load("e.mem");
  EXPECT_EQ(count, 2);
  EXPECT_EQ(table[2], terminator());
  EXPECT_EQ(table[3], StrokeRecord{});
}

TEST_F(StrokeFileTest, AShortFileAfterALongOneLeavesNothingBehind) {
  writeFile(dataFilePath("long.mem"), strokeFile(30));
  writeFile(dataFilePath("short.mem"), strokeFile(2));
  load("long.mem");
  EXPECT_EQ(count, 31);
  load("short.mem");
  EXPECT_EQ(count, 3);
  for (int i = 4; i <= kStrokeSlots; ++i) EXPECT_EQ(table[i], StrokeRecord{}) << i;
}

TEST_F(StrokeFileTest, AFullFileAfterAShortOneCountsOneHundred) {
  writeFile(dataFilePath("short.mem"), strokeFile(29));
  writeFile(dataFilePath("full.mem"), strokeFile(120));
  load("short.mem");
  EXPECT_EQ(count, 30);
  load("full.mem");
  // Not the stale 30: the fitting steps then cut the table at slot 100.
  EXPECT_EQ(count, 100);
  EXPECT_EQ(table[100], (StrokeRecord{1000, 2000, 1005, 2005, 1, 100}));
  EXPECT_EQ(last.status, StrokeFileStatus::Full);
}

TEST_F(StrokeFileTest, ExactlyOneHundredRecordsThenTheEndMarkIsAlsoFull) {
  writeFile(dataFilePath("full.mem"), strokeFile(100));
  StrokeFileRead read = readStrokeFile(dataFilePath("full.mem"), table, count);
  EXPECT_EQ(read.status, StrokeFileStatus::Full);
  EXPECT_EQ(count, 100);
}

TEST_F(StrokeFileTest, AMissingFileLeavesTheTableClearedAndTheCount) {
  writeFile(dataFilePath("ok.mem"), strokeFile(1));
  load("ok.mem");
  table[5].Kind = 3;
  load("無.mem");
  EXPECT_EQ(last.status, StrokeFileStatus::Missing);
  EXPECT_EQ(count, 2);  // unchanged
  for (int i = 1; i <= kStrokeSlots; ++i) EXPECT_EQ(table[i], StrokeRecord{}) << i;
  StrokeCountValue never;
  EXPECT_EQ(readStrokeFile(dataFilePath(".mem"), table, never).status, StrokeFileStatus::Missing);
  EXPECT_FALSE(never.has_value());
}

TEST_F(StrokeFileTest, ANameFoundOnlyWithOtherLetterCaseIsRead) {
  writeFile(dataFilePath("海（墨翁）.MEM"), strokeFile(2));
  load("海（墨翁）.mem");
  EXPECT_EQ(count, 3);
  writeFile("般若心経/x.mem", strokeFile(1));
  load("X.MEM");
  EXPECT_EQ(count, 2);
  EXPECT_TRUE(last.ok());
}

// Damaged files: the records before the damage stand, the end mark follows
// them, and the read tells which record and what is wrong.
struct DamagedCase {
  const char* name;
  std::string content;
  int endSlot;
  const char* problem;
};

class DamagedStrokeFile : public StrokeFileTest, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedStrokeFile, KeepsTheRecordsBeforeTheDamage) {
  const DamagedCase& c = GetParam();
  writeFile(dataFilePath("壊.mem"), strokeFile(40));
  load("壊.mem");  // a long table first: nothing of it may remain
  writeFile(dataFilePath("壊.mem"), c.content);
  load("壊.mem");
  EXPECT_EQ(count, c.endSlot);
  EXPECT_EQ(table[c.endSlot], terminator());
  for (int i = c.endSlot + 1; i <= kStrokeSlots; ++i) EXPECT_EQ(table[i], StrokeRecord{}) << i;
  for (int i = 1; i < c.endSlot; ++i) EXPECT_EQ(table[i].StartX, 10 * i) << i;
  EXPECT_EQ(last.status, StrokeFileStatus::Damaged);
  EXPECT_EQ(last.record, c.endSlot == 1 ? 0 : c.endSlot);
  EXPECT_NE(last.problem.find(c.problem), std::string::npos) << last.problem;
}

std::string firstRecords(int n) {
  std::string s = "h\r\n";
  for (int i = 1; i <= n; ++i) s += recordLine(i, 10 * i, 1, 2, 3, 1, 4);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedStrokeFile,
    ::testing::Values(
        DamagedCase{"Empty", "", 1, "ファイルが空です"},
        DamagedCase{"EndsAfterARecord", firstRecords(2), 3, "記録 2 の後でファイルが終わっています"},
        DamagedCase{"EndsInsideARecord", firstRecords(2) + "3,30,1,2", 3, "記録 3 の途中で"},
        DamagedCase{"EndsInTheIgnoredItems", firstRecords(1) + "2,20,1,2,3,1,4,,", 2, "記録 2 の途中で"},
        DamagedCase{"NotANumber", firstRecords(3) + "4,40,1,abc,3,1,4,,,,\r\n99999\r\n99999\r\n", 4,
                    "記録 4 の項目 4「abc」は数値ではありません"},
        DamagedCase{"OutOfRange", firstRecords(1) + "2,20,1,2,3,1,2147483648,,,,\r\n", 2,
                    "記録 2 の項目 7「2147483648」は扱える範囲を超えています"},
        DamagedCase{"BinaryGarbage", firstRecords(1) + std::string("\x01\x02,\xFF\xFE", 6), 2,
                    "は数値ではありません"}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

TEST_F(StrokeFileTest, AHugeFileIsReadOnlyAsFarAsNeeded) {
  std::string s = strokeFile(2);
  s += std::string(20 << 20, 'x');  // 20 MB after the end mark
  writeFile(dataFilePath("big.mem"), s);
  load("big.mem");
  EXPECT_EQ(count, 3);
  // One 20 MB item with no separator: cut at the item limit and reported as
  // too long, not as something other than a number.
  writeFile(dataFilePath("big.mem"), "h\r\n1," + std::string(20 << 20, '7'));
  load("big.mem");
  EXPECT_EQ(count, 1);
  EXPECT_EQ(last.status, StrokeFileStatus::Damaged);
  EXPECT_EQ(last.problem, "記録 1 の項目 2「" + std::string(40, '7') + "…」は長すぎます（4096 バイトを超えています）。");
}

TEST(PageFile, KeepsValuesAsReadAndCountsTheEndMark) {
  ScratchFolder folder;
  writeFile("p.mem", "page\r\n1,135.5,2715.25,140,2800,1,0,,,,\r\n2,0,0,150.75,2900,2,3.5,,,,\r\n99999\r\n99999\r\n");
  PageStrokeTable table;
  table[3].Kind = 9;
  StrokeCountValue count;
  StrokeFileRead read = readPageFile("p.mem", table, count);
  EXPECT_TRUE(read.ok());
  EXPECT_EQ(table[1], (PageStrokeRecord{135.5, 2715.25, 140, 2800, 1, 1}));
  EXPECT_EQ(table[2], (PageStrokeRecord{0, 0, 150.75, 2900, 2, 3.5}));
  EXPECT_EQ(table[3], (PageStrokeRecord{99999, 0, 0, 0, 0, 0}));
  EXPECT_EQ(count, 3);
}

TEST(PageFile, AFullPageCountsTwentyThousandAndAMissingOneLeavesTheCount) {
  ScratchFolder folder;
  std::string s = "page\r\n";
  for (int i = 1; i <= kPageSlots + 5; ++i) s += recordLine(i, i, 1, 2, 3, 1, 1);
  writeFile("p.mem", s);
  PageStrokeTable table;
  StrokeCountValue count = 7;
  EXPECT_EQ(readPageFile("missing.mem", table, count).status, StrokeFileStatus::Missing);
  EXPECT_EQ(count, 7);
  EXPECT_EQ(readPageFile("p.mem", table, count).status, StrokeFileStatus::Full);
  EXPECT_EQ(count, kPageSlots);
  EXPECT_EQ(table[kPageSlots].StartX, kPageSlots);
}

TEST(PageFile, ADamagedPageEndsAfterTheGoodRecords) {
  ScratchFolder folder;
  writeFile("p.mem", "page\r\n1,1,2,3,4,1,5,,,,\r\n2,1e12,2,3,4,1,5,,,,\r\n");
  PageStrokeTable table;
  StrokeCountValue count;
  StrokeFileRead read = readPageFile("p.mem", table, count);
  EXPECT_EQ(read.status, StrokeFileStatus::Damaged);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(table[2].StartX, 99999);
  EXPECT_NE(read.problem.find("記録 2 の項目 2"), std::string::npos);
}

}  // namespace
}  // namespace sumimai
