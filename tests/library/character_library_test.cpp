#include "library/character_library.h"

#include <gtest/gtest.h>

#include <map>

#include "library/library_writer.h"
#include "test_files.h"

namespace sumimai {
namespace {

using library::appendU32;
using library::crc32Of;
using library::kHeaderSize;
using library::kIndexEntrySize;

const std::map<char32_t, std::string> kTexts = {
    {U'あ', "sumimai-strokes U+3042\r\n1,10,20,10,20,1,5,,,,\r\n99999\r\n99999\r\n"},
    {U'一', "sumimai-strokes U+4E00\r\n1,1,2,3,4,1,5,,,,\r\n2,1,2,30,4,2,6,,,,\r\n99999\r\n99999\r\n"},
    {U'鬱', std::string(5000, 'x')},
    {U'𠀋', ""},
};

CharacterLibraryOpen openBytes(const std::string& bytes) {
  testing::writeFile("library.smlib", bytes);
  return CharacterLibrary::open("library.smlib");
}

// The library with index entry i's field (0 code, 1 offset, 2 length, 3
// text length) set to value, and the index checksum made to match again.
std::string withIndexField(std::string bytes, std::size_t i, int field, std::uint32_t value) {
  std::string v;
  appendU32(v, value);
  bytes.replace(kHeaderSize + i * kIndexEntrySize + 4 * static_cast<std::size_t>(field), 4, v);
  std::string crc;
  appendU32(crc, crc32Of(std::string_view(bytes).substr(kHeaderSize, kTexts.size() * kIndexEntrySize)));
  return bytes.replace(12, 4, crc);
}

TEST(CharacterLibrary, GivesBackEveryTextByteForByteAndNothingElse) {
  testing::ScratchFolder folder;
  std::string bytes = libraryBytes(kTexts);
  EXPECT_EQ(bytes, libraryBytes(kTexts));
  CharacterLibraryOpen opened = openBytes(bytes);
  ASSERT_TRUE(opened.ok()) << opened.problem;
  const CharacterLibrary& library = *opened.library;
  EXPECT_EQ(library.characters(), (std::vector<char32_t>{U'あ', U'一', U'鬱', U'𠀋'}));
  for (const auto& [code, text] : kTexts) {
    EXPECT_TRUE(library.contains(code));
    EXPECT_EQ(library.strokeFileText(code), text);
  }
  for (char32_t absent : {U'\0', U'い', U'鬰', U'\U0010FFFF'}) {
    EXPECT_FALSE(library.contains(absent));
    LibraryEntryRead read = library.entry(absent);
    EXPECT_FALSE(read.text);
    EXPECT_EQ(read.problem, "");
  }
  EXPECT_LT(bytes.size(), 5000u) << "texts are stored compressed";
}

TEST(CharacterLibrary, AnEmptyLibraryOpensAndHoldsNothing) {
  testing::ScratchFolder folder;
  CharacterLibraryOpen opened = openBytes(libraryBytes({}));
  ASSERT_TRUE(opened.ok()) << opened.problem;
  EXPECT_EQ(opened.library->size(), 0u);
  EXPECT_FALSE(opened.library->contains(U'あ'));
}

TEST(CharacterLibrary, DamagedFilesAreReportedWithTheFileName) {
  testing::ScratchFolder folder;
  const std::string good = libraryBytes(kTexts);
  auto expectRefused = [](const CharacterLibraryOpen& opened, const std::string& why) {
    EXPECT_FALSE(opened.ok()) << why;
    EXPECT_NE(opened.problem.find("library.smlib"), std::string::npos) << why << ": " << opened.problem;
  };
  EXPECT_NE(CharacterLibrary::open("no-such.smlib").problem.find("no-such.smlib"), std::string::npos);
  std::filesystem::create_directory("folder.smlib");
  EXPECT_FALSE(CharacterLibrary::open("folder.smlib").ok());
  expectRefused(openBytes("1,1,2,3,4,1,5,,,,\r\n99999\r\n"), "a stroke file");
  for (std::size_t length = 0; length < good.size(); ++length)
    expectRefused(openBytes(good.substr(0, length)), "cut to " + std::to_string(length) + " bytes");
  expectRefused(openBytes(good + '\0'), "a byte too many");
  std::string flipped = good;
  flipped[kHeaderSize + 5] ^= 1;
  expectRefused(openBytes(flipped), "index checksum");
  std::string huge = good;
  huge.replace(8, 4, "\xFF\xFF\xFF\x0F");
  expectRefused(openBytes(huge), "a count far beyond the file");
  expectRefused(openBytes(withIndexField(good, 1, 0, U'あ')), "code points out of order");
  expectRefused(openBytes(withIndexField(good, 3, 0, 0x110000)), "code point out of range");
  expectRefused(openBytes(withIndexField(good, 1, 1, 0xFFFFFFF0)), "offset outside the file");
  expectRefused(openBytes(withIndexField(good, 3, 2, 0xFFFFFFFF)), "length past the end");
  expectRefused(openBytes(withIndexField(good, 2, 3, 0x7FFFFFFF)), "text length too large");
}

TEST(CharacterLibrary, AnEntryWhoseDataIsDamagedIsAProblemNotAText) {
  testing::ScratchFolder folder;
  const std::string good = libraryBytes(kTexts);
  std::string bytes = good;
  bytes[good.size() - 30] ^= 0x55;  // inside 鬱's data (the last entry but one is long)
  std::string shorter = withIndexField(good, 1, 3, 10);  // 一's text recorded 10 bytes long
  for (const auto& [damaged, code] : {std::pair{bytes, U'鬱'}, std::pair{shorter, U'一'}}) {
    CharacterLibraryOpen opened = openBytes(damaged);
    ASSERT_TRUE(opened.ok()) << opened.problem;
    LibraryEntryRead read = opened.library->entry(code);
    EXPECT_FALSE(read.text);
    EXPECT_NE(read.problem.find("library.smlib"), std::string::npos) << read.problem;
    EXPECT_EQ(opened.library->strokeFileText(U'あ'), kTexts.at(U'あ'));
  }
}

}  // namespace
}  // namespace sumimai
