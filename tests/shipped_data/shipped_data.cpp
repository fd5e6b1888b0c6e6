#include "shipped_data.h"

#include <gtest/gtest.h>

#include <set>

#include "data_files/stroke_file.h"

namespace sumimai::testing {

SutraTextTable shippedSutra() {
  SutraTextTable text;
  CharacterListRead read = readCharacterList(shippedStrokes() / kCharacterListName, text);
  EXPECT_TRUE(read.ok()) << read.problem;
  return text;
}

std::vector<std::string> shippedStrokeFileNames() {
  SutraTextTable sutra = shippedSutra();
  std::vector<std::string> names;
  std::set<std::string> seen;
  for (int i = 1; i <= kSutraCharacters; ++i) {
    if (seen.insert(sutra[static_cast<std::size_t>(i)]).second) names.push_back(sutra[static_cast<std::size_t>(i)] + ".mem");
  }
  names.push_back("海（墨翁）.MEM");
  return names;
}

std::vector<StrokeRecord> shippedRecords(const std::string& fileName) {
  StrokeTable table{};
  StrokeCountValue count;
  StrokeFileRead read = readStrokeFile(shippedStrokes() / fileName, table, count);
  EXPECT_EQ(read.status, StrokeFileStatus::Complete) << fileName << ": " << read.problem;
  std::vector<StrokeRecord> records;
  for (int i = 1; i < slotOf(count); ++i) records.push_back(table[static_cast<std::size_t>(i)]);
  return records;
}

}  // namespace sumimai::testing
