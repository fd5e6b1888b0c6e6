// Characters looked up by writing tradition: each tradition's library
// first, then its fallback order, the sutra's stroke folder counted as
// Japanese; what came from another tradition is named in a note, and the
// strict choice refuses it instead.
#include <gtest/gtest.h>

#include "library/library_writer.h"
#include "test_files.h"
#include "writing/composition.h"

namespace sumimai {
namespace {

using testing::writeFile;

std::string strokeText(const std::string& name) { return name + "\r\n1,1000,2000,3000,2000,1,25,,,,\r\n99999\r\n99999\r\n"; }

// Which file the strokes came from: "sutra" for the stroke folder, else the
// tradition of the library ("文字集-zh-Hans.smlib (乙)": zh-Hans).
std::string whence(const std::string& origin) {
  if (origin.starts_with("般若心経")) return "sutra";
  const std::string library = origin.substr(0, origin.find(".smlib"));
  return library == "文字集" ? "ja" : library.substr(std::string("文字集-").size());
}

// One library per tradition, each holding a few characters of its own:
// 甲 in ja and zh-Hans, 乙 in zh-Hans alone, 丙 in zh-Hant, 丁 in ko.
class Traditions : public ::testing::Test {
 protected:
  Traditions() {
    writeFile("文字集.smlib", libraryBytes({{U'甲', strokeText("ja")}}));
    writeFile("文字集-zh-Hans.smlib", libraryBytes({{U'甲', strokeText("zh-Hans")}, {U'乙', strokeText("zh-Hans")}}));
    writeFile("文字集-zh-Hant.smlib", libraryBytes({{U'丙', strokeText("zh-Hant")}}));
    writeFile("文字集-ko.smlib", libraryBytes({{U'丁', strokeText("ko")}}));
    writeFile("般若心経/色.mem", strokeText("sutra"));
  }
  Composition compose(std::string_view text, LookupChoice choice) {
    const CharacterLookup lookup = standardLookup(DataPlaces{}, choice);
    Composed c = composeText(text, lookup, {WritingDirection::Rows, std::nullopt, std::nullopt});
    EXPECT_TRUE(c.ok()) << c.problem;
    return std::move(c.composition);
  }
  // The tradition each character's strokes came from (the stroke file's name line), "" when missing.
  std::vector<std::string> from(std::string_view text, Tradition tradition) {
    std::vector<std::string> names;
    for (const PlacedCharacter& c : compose(text, {tradition, false}).characters) {
      names.push_back(c.strokes ? whence(c.strokes->origin) : "");
    }
    return names;
  }
  testing::ScratchFolder folder;
};

TEST_F(Traditions, EachTraditionAsksItsOwnLibraryThenItsFallbackOrder) {
  using V = std::vector<std::string>;
  EXPECT_EQ(from("甲乙丙丁色", Tradition::Japanese), (V{"ja", "zh-Hans", "", "", "sutra"}));
  EXPECT_EQ(from("甲乙丙丁色", Tradition::Mainland), (V{"zh-Hans", "zh-Hans", "", "", "sutra"}));
  EXPECT_EQ(from("甲乙丙丁色", Tradition::Taiwan), (V{"zh-Hans", "zh-Hans", "zh-Hant", "", "sutra"}));
  EXPECT_EQ(from("甲乙丙丁色", Tradition::Korean), (V{"zh-Hans", "zh-Hans", "zh-Hant", "ko", "sutra"}));
}

TEST_F(Traditions, ALibraryOfTheTraditionComesBeforeTheJapaneseStrokeFolder) {
  writeFile("文字集-zh-Hant.smlib", libraryBytes({{U'色', strokeText("zh-Hant")}}));
  using V = std::vector<std::string>;
  EXPECT_EQ(from("色", Tradition::Taiwan), (V{"zh-Hant"}));
  EXPECT_EQ(from("色", Tradition::Japanese), (V{"sutra"}));
}

TEST_F(Traditions, CharactersFromAnotherTraditionAreNamedInANotePerTradition) {
  const Composition c = compose("丁丙甲乙甲，", {Tradition::Korean, false});
  ASSERT_EQ(c.notes.size(), 2u);
  EXPECT_EQ(c.notes[0], "not in the ko library, written as zh-Hans writes them: 甲 乙");
  EXPECT_EQ(c.notes[1], "not in the ko library, written as zh-Hant writes them: 丙");
  EXPECT_TRUE(compose("甲", {Tradition::Japanese, false}).notes.empty());
}

TEST_F(Traditions, StrictRefusesCharactersOfAnotherTraditionSayingWhy) {
  const Composition c = compose("丙乙。", {Tradition::Taiwan, true});
  ASSERT_EQ(c.characters.size(), 3u);
  EXPECT_EQ(c.characters[0].state, CharacterState::Written);
  EXPECT_EQ(c.characters[1].state, CharacterState::Missing);
  EXPECT_EQ(c.characters[1].problem,
            "no strokes for the character 乙; the zh-Hant library does not hold it, and the strokes of zh-Hans are "
            "refused (--strict-locale)");
  EXPECT_EQ(c.characters[2].state, CharacterState::Written);  // punctuation belongs to every tradition
  EXPECT_TRUE(c.notes.empty());
  // A character that no tradition holds is simply missing.
  EXPECT_EQ(compose("戊", {Tradition::Taiwan, true}).characters[0].problem, "no strokes for the character 戊");
}

TEST_F(Traditions, AMissingOrDamagedLibraryLeavesTheRestOfTheOrder) {
  writeFile("文字集-zh-Hans.smlib", "not a library");
  const Composition c = compose("乙甲丁", {Tradition::Korean, false});
  EXPECT_EQ(c.characters[0].state, CharacterState::Missing);
  EXPECT_EQ(whence(c.characters[1].strokes->origin), "ja");
  EXPECT_EQ(whence(c.characters[2].strokes->origin), "ko");
  ASSERT_FALSE(c.notes.empty());
  EXPECT_NE(c.notes[0].find("文字集-zh-Hans.smlib"), std::string::npos) << c.notes[0];
}

TEST(TraditionNames, NamesAndLocaleNamesAreRead) {
  EXPECT_EQ(traditionNamed("ja"), Tradition::Japanese);
  EXPECT_EQ(traditionNamed("zh-Hans"), Tradition::Mainland);
  EXPECT_EQ(traditionNamed("ZH-hant"), Tradition::Taiwan);
  EXPECT_EQ(traditionNamed("ko"), Tradition::Korean);
  EXPECT_EQ(traditionNamed("zh_TW.UTF-8"), Tradition::Taiwan);
  EXPECT_EQ(traditionNamed("zh_HK"), Tradition::Taiwan);
  EXPECT_EQ(traditionNamed("zh_CN.UTF-8"), Tradition::Mainland);
  EXPECT_EQ(traditionNamed("ko_KR.UTF-8"), Tradition::Korean);
  EXPECT_EQ(traditionNamed("ja_JP.UTF-8"), Tradition::Japanese);
  for (const char* other : {"en_US.UTF-8", "", "zh-Hanz", "kor", "C"}) EXPECT_FALSE(traditionNamed(other)) << other;
  for (Tradition t : kTraditions) EXPECT_EQ(traditionNamed(traditionName(t)), t);
  EXPECT_EQ(libraryFileName(Tradition::Japanese), "文字集.smlib");
  EXPECT_EQ(libraryFileName(Tradition::Taiwan), "文字集-zh-Hant.smlib");
}

}  // namespace
}  // namespace sumimai
