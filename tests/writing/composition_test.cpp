// A text composed: each character looked up in the order the programs ask
// (the working folder's stroke folder, the shipped data's, the character
// library, punctuation), blanks and characters without data kept with
// their reason, strokes split as written, and the text's bytes checked.
#include "writing/composition.h"

#include <gtest/gtest.h>

#include "library/library_writer.h"
#include "renderer/drawing_sequence.h"
#include "writing/cell_drawing.h"
#include "test_files.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;
using testing::writeFile;

const fs::path kShipped = fs::path(SUMIMAI_REPOSITORY) / "data";

// Two strokes: a bar, then a stroke of two records.
constexpr char kTwoStrokes[] =
    "two\r\n1,1000,2000,3000,2000,1,25,,,,\r\n2,2000,1000,2000,3500,1,30,,,,\r\n"
    "3,2000,3500,1600,3200,2,10,,,,\r\n99999\r\n99999\r\n";

class Composing : public ::testing::Test {
 protected:
  Composing() { writeFile("般若心経/色.mem", kTwoStrokes); }
  Composed compose(std::string_view text, const DataPlaces& places) {
    const CharacterLookup lookup = standardLookup(places);
    return composeText(text, lookup, {WritingDirection::Rows, std::nullopt, std::nullopt});
  }
  testing::ScratchFolder folder;
  const DataPlaces places{{}, {kShipped}};
};

TEST_F(Composing, EachCharacterComesFromTheFirstPlaceThatHasIt) {
  const Composed c = compose("色空 永、☃", places);
  ASSERT_TRUE(c.ok()) << c.problem;
  const std::vector<PlacedCharacter>& got = c.composition.characters;
  ASSERT_EQ(got.size(), 6u);
  EXPECT_EQ(got[0].strokes->origin, "般若心経/色.mem");  // here, before the shipped 色
  EXPECT_EQ(got[0].strokes->kind, StrokeSource::Kind::StrokeFile);
  EXPECT_EQ(got[1].strokes->origin, (kShipped / "般若心経" / "空.mem").string());
  EXPECT_EQ(got[2].state, CharacterState::Blank);
  EXPECT_EQ(got[3].strokes->origin, (kShipped / "文字集.smlib").string() + " (永)");
  EXPECT_EQ(got[3].strokes->kind, StrokeSource::Kind::Library);
  EXPECT_EQ(got[4].strokes->kind, StrokeSource::Kind::Punctuation);
  EXPECT_EQ(got[5].state, CharacterState::Missing);
  EXPECT_EQ(got[5].problem, "no strokes for the character ☃");
  EXPECT_EQ(c.composition.firstUnwritten(), &got[5]);
  EXPECT_EQ(got[3].offset, 7u);  // 色 空 and the blank take 3 + 3 + 1 bytes
  EXPECT_EQ(got[1].cell, (PixelRect{264, 24, 504, 264}));  // a row of 240-pixel cells, 24 around
  EXPECT_EQ(c.composition.picture, (PictureSize{1488, 288}));
}

TEST_F(Composing, DamagedDataIsKeptWithItsReasonAndABadLibraryIsLeftOutWithANote) {
  writeFile("般若心経/空.mem", "header\r\n1,1000,x,3000,2000,1,25\r\n");
  writeFile("文字集.smlib", "not a library");
  const Composed c = compose("空永", places);
  ASSERT_TRUE(c.ok());
  EXPECT_EQ(c.composition.characters[0].state, CharacterState::Damaged);
  EXPECT_EQ(c.composition.characters[0].problem.rfind("般若心経/空.mem: ", 0), 0u) << c.composition.characters[0].problem;
  EXPECT_EQ(c.composition.characters[1].state, CharacterState::Written);  // from the shipped library
  ASSERT_EQ(c.composition.notes.size(), 1u);
  EXPECT_NE(c.composition.notes[0].find("文字集.smlib"), std::string::npos) << c.composition.notes[0];
}

// A missing character names each library that was left out and what is
// wrong with it, however the library is damaged.
TEST_F(Composing, ACharacterMissingBecauseTheLibraryIsDamagedNamesTheLibrary) {
  const std::string good = libraryBytes({{U'愛', kTwoStrokes}, {U'永', kTwoStrokes}});
  auto withU32 = [&](std::size_t at, std::uint32_t value) {
    std::string bytes = good;
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    return bytes;
  };
  struct Damage {
    std::string bytes, reason;
  };
  const Damage damages[] = {
      {good.substr(0, good.size() - 5), "は途中で切れています。"},
      {good.substr(0, 20), "の索引が途中で切れています。"},
      {"SMLIB99\n" + good.substr(8), "は文字集のファイルではありません。"},
      {withU32(8, 0xFFFFFFFFu), "の索引が途中で切れています。"},
      {withU32(12, 12345), "の索引が壊れています（検査値が合いません）。"},
      {good + "extra", "の終わりに余分なデータがあります。"},
  };
  for (const Damage& d : damages) {
    writeFile("文字集.smlib", d.bytes);
    const Composed c = compose("愛", {{}, {}});
    ASSERT_EQ(c.composition.characters.size(), 1u);
    EXPECT_EQ(c.composition.characters[0].problem,
              "no strokes for the character 愛; 文字集「文字集.smlib」" + d.reason);
  }
}

TEST_F(Composing, ACharacterWhoseFileWouldLieOutsideTheStrokeFolderIsNotRead) {
  writeFile("x.mem", kTwoStrokes);  // 般若心経/../x.mem
  const Composed c = composeCharacters({{"../x", 0}}, standardLookup({{}, {}}),
                                       {WritingDirection::Rows, std::nullopt, std::nullopt});
  ASSERT_EQ(c.composition.characters.size(), 1u);
  EXPECT_NE(c.composition.characters[0].state, CharacterState::Written);
  EXPECT_EQ(c.composition.characters[0].problem,
            "the character ../x would name a file outside the stroke folder 般若心経; it is not read");
}

TEST_F(Composing, WithoutShippedDataOnlyTheWorkingFolderAndPunctuationAnswer) {
  const Composed c = compose("色空。", {{}, {}});
  EXPECT_EQ(c.composition.characters[0].state, CharacterState::Written);
  EXPECT_EQ(c.composition.characters[1].state, CharacterState::Missing);
  EXPECT_EQ(c.composition.characters[2].state, CharacterState::Written);
}

TEST_F(Composing, TextThatIsNotUtf8IsRefusedSayingWhere) {
  EXPECT_EQ(compose("色\xC0\xAF", places).problem, "the text is not UTF-8 at byte offset 3 (an overlong form)");
  EXPECT_EQ(compose("\xED\xA0\x80", places).problem, "the text is not UTF-8 at byte offset 0 (an encoded surrogate)");
  const TextCharacters split = charactersOf("葛\U000E0100城 a");
  ASSERT_TRUE(split.ok());
  ASSERT_EQ(split.characters.size(), 4u);
  EXPECT_EQ(split.characters[0].text, "葛\U000E0100");  // the variation selector stays with it
  EXPECT_EQ(split.characters[1].offset, 7u);
}

TEST_F(Composing, StrokesBeginAtEveryNewStrokeRecord) {
  const Composed c = compose("色", places);
  EXPECT_EQ(strokeSpans(*c.composition.characters[0].strokes), (std::vector<StrokeSpan>{{1, 1}, {2, 3}}));
  CharacterStrokes empty;
  empty.count = 1;
  EXPECT_TRUE(strokeSpans(empty).empty());
  // A table that begins with a continuing record still has it as its first stroke.
  CharacterStrokes odd;
  odd.table[1].Kind = kStrokeGoesOn, odd.table[2].Kind = kNewStroke, odd.table[3].Kind = kUndrawnRecord;
  odd.count = 4;
  EXPECT_EQ(strokeSpans(odd), (std::vector<StrokeSpan>{{1, 1}, {2, 3}}));
}

TEST_F(Composing, StrokeFilesGivenByNameAreNamedInTheirProblems) {
  const Composed c = composeSources({strokeFileSource("般若心経/色.mem"), strokeFileSource("gone.mem", "shown.mem")}, {});
  EXPECT_EQ(c.composition.characters[0].state, CharacterState::Written);
  EXPECT_EQ(c.composition.characters[1].problem, "shown.mem: no such file");
}

class FillCounting : public CellCanvas {
 public:
  SizeF outerSize() const override { return size_; }
  void setSize(SizeF size) override { size_ = size; }
  void drawRing(const Ring&) override {}
  void drawLine(PointF, PointF, Rgb) override {}
  void drawRectangle(PointF, PointF, Rgb) override {}
  void fillRectangle(PointF a, PointF, Rgb) override { fills.push_back({cell, a}); }
  void clear() override {}
  void place(SizeF canvas, PixelRect window) override { size_ = canvas, cell = window; }
  std::vector<std::pair<PixelRect, PointF>> fills;
  PixelRect cell;

 private:
  SizeF size_;
};

TEST_F(Composing, AMissingCharacterIsBoxedInADottedFrameOrLeftOutEachWithANote) {
  const CharacterLookup lookup = standardLookup(places);
  const LayoutRequest rows{WritingDirection::Rows, std::nullopt, std::nullopt};
  Composed boxed = composeText("空☃空", lookup, rows);
  ASSERT_TRUE(settleUnwritten(boxed.composition, UnwrittenCharacters::Boxed, rows).empty());
  EXPECT_EQ(boxed.composition.characters.size(), 3u);
  EXPECT_EQ(boxed.composition.notes, (std::vector<std::string>{"no strokes for the character ☃ (an empty box in its place)"}));
  FillCounting canvas;
  drawComposition(boxed.composition, canvas, {});
  ASSERT_EQ(canvas.fills.size(), 48u);  // twelve squares a side, all in the empty cell
  for (const auto& [cell, at] : canvas.fills) EXPECT_EQ(cell, boxed.composition.characters[1].cell);
  EXPECT_FLOAT_EQ(canvas.fills[0].second.x, 240 * 15 / 10 - 240 * 15 / 60 / 2);  // a tenth of the cell inside

  Composed skipped = composeText("空☃空", lookup, rows);
  ASSERT_TRUE(settleUnwritten(skipped.composition, UnwrittenCharacters::Skipped, rows).empty());
  ASSERT_EQ(skipped.composition.characters.size(), 2u);
  EXPECT_EQ(skipped.composition.firstUnwritten(), nullptr);
  EXPECT_EQ(skipped.composition.notes, (std::vector<std::string>{"no strokes for the character ☃ (left out)"}));
  EXPECT_EQ(skipped.composition.picture, (PictureSize{528, 288}));  // two cells now

  Composed refused = composeText("空☃", lookup, rows);
  ASSERT_TRUE(settleUnwritten(refused.composition, UnwrittenCharacters::Refused, rows).empty());
  EXPECT_NE(refused.composition.firstUnwritten(), nullptr);
  EXPECT_TRUE(refused.composition.notes.empty());
}

}  // namespace
}  // namespace sumimai
