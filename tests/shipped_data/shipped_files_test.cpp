// The shipped stroke files, page file, character list and settings file,
// read as the programs read them.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "data_files/settings_file.h"
#include "data_files/stroke_file.h"
#include "shipped_data.h"
#include "test_files.h"

namespace sumimai {
namespace {

using testing::readFile;
using testing::shippedRecords;
using testing::shippedStrokeFileNames;
using testing::shippedStrokes;
using testing::shippedSutra;

TEST(ShippedCharacterList, Holds276CharactersOf118KindsAsUtf8WithByteOrderMark) {
  std::string bytes = readFile(shippedStrokes() / "文字2.csv");
  ASSERT_GE(bytes.size(), 3u);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
  SutraTextTable sutra = shippedSutra();
  std::set<std::string> kinds;
  for (int i = 1; i <= kSutraCharacters; ++i) {
    const std::string& c = sutra[static_cast<std::size_t>(i)];
    EXPECT_EQ(c.size(), 3u) << "item " << i << " is not one character: " << c;
    kinds.insert(c);
  }
  EXPECT_EQ(kinds.size(), 118u);
  EXPECT_EQ(sutra[1], "摩");
  EXPECT_EQ(sutra[276], "経");
  EXPECT_TRUE(kinds.count("罣") && kinds.count("埵"));
}

// Every record of a character is a stroke start (Kind 1: still, or a
// segment starting with the previous record's radius) or a continuation
// (Kind 2, from the previous end); nothing is 0, which the
// fitting would take as absent; every stroke draws at least one segment.
void expectWellFormedStrokes(const std::string& name, const std::vector<StrokeRecord>& records) {
  ASSERT_FALSE(records.empty()) << name;
  EXPECT_LE(records.size(), 99u) << name;
  EXPECT_EQ(records.front().Kind, 1) << name;
  bool strokeDrawn = true;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const StrokeRecord& r = records[i];
    SCOPED_TRACE(name + " record " + std::to_string(i + 1));
    for (std::int32_t v : {r.StartX, r.StartY, r.EndX, r.EndY, r.Thickness}) EXPECT_GT(v, 0);
    ASSERT_TRUE(r.Kind == 1 || r.Kind == 2);
    if (r.Kind == 1) {
      EXPECT_TRUE(strokeDrawn) << "the stroke before draws nothing";
      strokeDrawn = r.StartX != r.EndX || r.StartY != r.EndY;
    } else {
      EXPECT_EQ(r.StartX, records[i - 1].EndX);
      EXPECT_EQ(r.StartY, records[i - 1].EndY);
      if (r.StartX != r.EndX || r.StartY != r.EndY) strokeDrawn = true;
    }
  }
  EXPECT_TRUE(strokeDrawn) << name << ": the last stroke draws nothing";
}

TEST(ShippedStrokeFiles, EveryCharacterLoadsWithItsEndMarkWithin99WellFormedRecords) {
  std::vector<std::string> names = shippedStrokeFileNames();
  EXPECT_EQ(names.size(), 119u);
  for (const std::string& name : names) expectWellFormedStrokes(name, shippedRecords(name));
}

TEST(ShippedStrokeFiles, AreAsciiLinesEndingInCrLfWithTwoEndLines) {
  for (const std::string& name : shippedStrokeFileNames()) {
    std::string text = readFile(shippedStrokes() / name);
    std::size_t lines = 0, records = shippedRecords(name).size();
    for (std::size_t i = 0; i < text.size(); ++i) {
      ASSERT_LT(static_cast<unsigned char>(text[i]), 0x80u) << name;
      if (text[i] == '\n') {
        ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << name;
        ++lines;
      }
    }
    EXPECT_EQ(lines, records + 3) << name;
    EXPECT_TRUE(text.ends_with("\r\n99999\r\n99999\r\n")) << name;
  }
}

TEST(ShippedPageFile, LoadsWithItsEndMarkWithin20000RecordsAndNoZeros) {
  PageStrokeTable table;
  StrokeCountValue count;
  StrokeFileRead read = readPageFile(shippedStrokes() / "般若心経.mem", table, count);
  ASSERT_EQ(read.status, StrokeFileStatus::Complete) << read.problem;
  ASSERT_TRUE(count);
  EXPECT_LE(*count, kPageSlots);
  EXPECT_GT(*count, kSutraCharacters);
  for (int i = 1; i < *count; ++i) {
    const PageStrokeRecord& r = table[i];
    for (double v : {r.StartX, r.StartY, r.EndX, r.EndY, r.Thickness}) {
      EXPECT_GT(v, 0) << "record " << i;
      EXPECT_EQ(v, std::round(v)) << "record " << i;
    }
    EXPECT_TRUE(r.Kind == 1 || r.Kind == 2) << "record " << i;
  }
}

TEST(ShippedSettingsFile, IsSpeed0AndBlackInkInTheExactFormat) {
  EXPECT_EQ(readFile(testing::shippedData() / "設定.dat"), " 0\r\n 0 \r\n 0 \r\n 0 \r\n");
  SettingsRead read = readSettingsFile(testing::shippedData() / "設定.dat");
  ASSERT_TRUE(read.ok()) << read.problem;
  EXPECT_EQ(read.values, (std::array<double, 4>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace sumimai
