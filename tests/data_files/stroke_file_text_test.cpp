// The one writer of stroke files: its rounding into file units and its text,
// read back by the programs' own loaders.
#include "data_files/stroke_file_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "data_files/stroke_file.h"
#include "test_files.h"

namespace sumimai {
namespace {

TEST(StrokeFileValue, RoundsHalvesAwayFromZeroAndNeverGoesBelowOne) {
  EXPECT_EQ(strokeFileValue(12.49), 12);
  EXPECT_EQ(strokeFileValue(12.5), 13);
  EXPECT_EQ(strokeFileValue(2.5), 3);
  EXPECT_EQ(strokeFileValue(1.49), 1);
  // 0 would mean an absent value to the fitting steps.
  EXPECT_EQ(strokeFileValue(0.49), 1);
  EXPECT_EQ(strokeFileValue(0), 1);
  EXPECT_EQ(strokeFileValue(-250.7), 1);
  EXPECT_EQ(strokeFileValue(1e12), std::numeric_limits<std::int32_t>::max());
}

TEST(StrokeFileText, NumbersTheRecordsAndEndsWithTheEndMarkTwice) {
  EXPECT_EQ(strokeFileText("sumimai-strokes U+4E00", {{15, 20, 15, 20, 1, 5}, {15, 20, 35, 40, 2, 10}}),
            "sumimai-strokes U+4E00\r\n1,15,20,15,20,1,5,,,,\r\n2,15,20,35,40,2,10,,,,\r\n99999\r\n99999\r\n");
  EXPECT_EQ(strokeFileText("empty", {}), "empty\r\n99999\r\n99999\r\n");
}

TEST(StrokeFileText, IsReadBackByTheLoadersRecordForRecord) {
  testing::ScratchFolder folder;
  std::vector<StrokeRecord> records{{15, 20, 15, 20, 1, 5}, {15, 20, 35, 40, 2, 10}, {1, 1, 1, 1, 3, 300}};
  testing::writeFile("one.mem", strokeFileText("one", records));
  StrokeTable table{};
  StrokeCountValue count;
  StrokeFileRead read = readStrokeFile("one.mem", table, count);
  ASSERT_EQ(read.status, StrokeFileStatus::Complete) << read.problem;
  EXPECT_EQ(count, std::optional<int>(4));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(table[i + 1], records[static_cast<std::size_t>(i)]) << i;

  // The page: more records than a character's table holds.
  std::vector<StrokeRecord> page;
  for (std::int32_t i = 1; i <= 150; ++i) page.push_back({i, 2 * i, i + 1, 2 * i + 1, 1 + i % 2, 7});
  testing::writeFile("page.mem", strokeFileText("page", page));
  PageStrokeTable pageTable;
  read = readPageFile("page.mem", pageTable, count);
  ASSERT_EQ(read.status, StrokeFileStatus::Complete) << read.problem;
  EXPECT_EQ(count, std::optional<int>(151));
  EXPECT_EQ(pageTable[150], (PageStrokeRecord{150, 300, 151, 301, 1, 7}));
  EXPECT_EQ(pageTable[151].StartX, 99999);
}

}  // namespace
}  // namespace sumimai
