#include "data_files/character_list.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace sumimai {
namespace {

std::string listOf(int n, const std::string& separator = "\r\n") {
  std::string s;
  for (int i = 1; i <= n; ++i) s += "字" + std::to_string(i) + separator;
  return s;
}

TEST(CharacterList, FillsSlotsOneTo276AndNoOthers) {
  testing::ScratchFolder folder;
  testing::writeFile("list.csv", "\xEF\xBB\xBF" + listOf(300, ","));
  SutraTextTable text;
  text[290] = "stale";
  EXPECT_TRUE(readCharacterList("list.csv", text).ok());
  EXPECT_EQ(text[1], "字1");
  EXPECT_EQ(text[276], "字276");
  EXPECT_EQ(text[0], "");
  for (int i = 277; i <= 300; ++i) EXPECT_EQ(text[static_cast<std::size_t>(i)], "") << i;
}

TEST(CharacterList, QuotedItemsKeepTheirBlanksAndShiftJisIsRead) {
  testing::ScratchFolder folder;
  testing::writeFile("list.csv", "\" \x94\xCA \",  \x8E\xE1  \r\n" + listOf(274));
  SutraTextTable text;
  EXPECT_TRUE(readCharacterList("list.csv", text).ok());
  EXPECT_EQ(text[1], " 般 ");
  EXPECT_EQ(text[2], "若");
}

TEST(CharacterList, AShortOrMissingListFails) {
  testing::ScratchFolder folder;
  testing::writeFile("list.csv", listOf(275));
  SutraTextTable text;
  CharacterListRead read = readCharacterList("list.csv", text);
  EXPECT_FALSE(read.ok());
  EXPECT_EQ(read.problem, "276 文字のうち 275 文字しかありません。");
  EXPECT_FALSE(readCharacterList("none.csv", text).ok());
}

}  // namespace
}  // namespace sumimai
