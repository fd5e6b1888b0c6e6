// The character libraries of the writing traditions made from a small
// source folder: each from its own folders only, checked against them, and
// how a tradition without glyphs fails.
#include <gtest/gtest.h>

#include "conversion/library_set.h"
#include "library/character_library.h"
#include "test_files.h"

namespace sumimai::strokes {
namespace {

using testing::writeFile;

// One stroke across the middle of the box, and one down its middle: the
// same code point in two traditions' forms.
const char kAcrossSvg[] =
    "<svg><path id=\"z1d1\" d=\"M100 480L900 480L900 544L100 544Z\"/>"
    "<path clip-path=\"url(#z1c1)\" d=\"M80 512L920 512\"/></svg>";
const char kDownSvg[] =
    "<svg><path id=\"z1d1\" d=\"M480 100L544 100L544 900L480 900Z\"/>"
    "<path clip-path=\"url(#z1c1)\" d=\"M512 80L512 920\"/></svg>";

class TraditionSources : public ::testing::Test {
 protected:
  void SetUp() override {
    writeFile("source/svg-ja/19968.svg", kAcrossSvg);
    writeFile("source/svg-kana/12354.svg", kAcrossSvg);
    writeFile("source/svg-zh-hans/19968.svg", kDownSvg);
    writeFile("source/svg-zh-hans/20108.svg", kAcrossSvg);
    writeFile("source/svg-zh-hans/README.txt", "not a glyph");
    writeFile("source/svg-zh-hans/2x.svg", kAcrossSvg);
  }
  static const Tradition& named(const char* name) { return *traditionNamed(name); }
  static CharacterLibrary opened(const char* file) { return *CharacterLibrary::open(file).library; }
  testing::ScratchFolder folder;
};

TEST_F(TraditionSources, EachLibraryHoldsItsOwnFoldersFormsAndPassesItsOwnCheck) {
  ASSERT_TRUE(writeLibrary("source", named("ja"), "ja.smlib", {}, 2).ok());
  ASSERT_TRUE(writeLibrary("source", named("zh-Hans"), "zh.smlib", {}, 2).ok());
  EXPECT_EQ(opened("ja.smlib").characters(), (std::vector<char32_t>{U'あ', U'一'}));
  EXPECT_EQ(opened("zh.smlib").characters(), (std::vector<char32_t>{U'一', U'二'}));
  EXPECT_NE(opened("ja.smlib").strokeFileText(U'一'), opened("zh.smlib").strokeFileText(U'一'));
  EXPECT_TRUE(checkLibrary("source", named("zh-Hans"), "zh.smlib", {}, 1, 1).ok());
  EXPECT_FALSE(checkLibrary("source", named("ja"), "zh.smlib", {}, 1, 1).ok());
  // The same characters in another form: found by converting again.
  writeFile("source/svg-zh-hans/19968.svg", kAcrossSvg);
  DataSetWrite changed = checkLibrary("source", named("zh-Hans"), "zh.smlib", {}, 1, 1);
  EXPECT_NE(changed.problem.find("一"), std::string::npos) << changed.problem;
}

TEST_F(TraditionSources, ATraditionWithoutGlyphsFailsNamingItsFolder) {
  DataSetWrite none = writeLibrary("source", named("ko"), "ko.smlib", {}, 1);
  EXPECT_NE(none.problem.find("svg-ko"), std::string::npos) << none.problem;
  EXPECT_FALSE(std::filesystem::exists("ko.smlib"));
  EXPECT_EQ(traditionNamed("zh"), nullptr);
}

}  // namespace
}  // namespace sumimai::strokes
