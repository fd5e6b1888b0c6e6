// Punctuation of our own strokes: each mark loads as a stroke file and,
// fitted to a square canvas, stands where it stands in horizontal or
// vertical writing.
#include "writing/punctuation.h"

#include <gtest/gtest.h>

#include <sstream>

#include "data_files/stroke_file.h"
#include "renderer/fitting.h"

namespace sumimai {
namespace {

struct Box {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

// The box of the drawn records (Kind 1 and 2) of the mark, fitted into a
// box of 3000 x 3000 twips.
Box fittedInk(WritingDirection direction, const char* mark, Tradition tradition = Tradition::Japanese) {
  std::optional<StrokeSource> found = PunctuationSource(tradition).find(mark, direction);
  EXPECT_TRUE(found.has_value()) << mark;
  if (!found) return {};
  std::istringstream in(found->text);
  StrokeTable table{};
  StrokeCountValue count;
  EXPECT_EQ(readStrokeStream(in, table, count).status, StrokeFileStatus::Complete) << mark;
  fitIntoBox(table, count, {3000, 3000});
  Box b;
  auto widen = [&b](double x, double y) {
    b.left = std::min(b.left, x), b.right = std::max(b.right, x);
    b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
  };
  for (int i = 1; i < slotOf(count); ++i) {
    if (table[i].Kind != 1 && table[i].Kind != 2) continue;
    widen(table[i].StartX, table[i].StartY);
    widen(table[i].EndX, table[i].EndY);
  }
  return b;
}

std::vector<int> strokeLengths(const char* mark, WritingDirection direction = WritingDirection::Rows);

// The box's middle, where the fitting puts a full character box's centre.
constexpr double kMiddleX = 1500, kMiddleY = 1500;

TEST(Punctuation, CommaAndStopStandBottomLeftInRowsAndTopRightInColumns) {
  const WritingDirection rows = WritingDirection::Rows, columns = WritingDirection::Columns;
  for (const char* mark : {"、", "。", "，", "｡"}) {
    const Box h = fittedInk(rows, mark), v = fittedInk(columns, mark);
    EXPECT_LT(h.right, kMiddleX) << mark;
    EXPECT_GT(h.top, kMiddleY) << mark;
    EXPECT_GT(v.left, kMiddleX) << mark;
    EXPECT_LT(v.bottom, kMiddleY) << mark;
    EXPECT_LT(h.right - h.left, 600) << mark;  // a small mark, not a character's size
  }
}

TEST(Punctuation, TaiwanSetsCommaAndStopInTheMiddleAndTheMainlandInTheCorner) {
  for (WritingDirection direction : {WritingDirection::Rows, WritingDirection::Columns}) {
    for (const char* mark : {"、", "。", "，", "．"}) {
      const Box b = fittedInk(direction, mark, Tradition::Taiwan);
      EXPECT_NEAR((b.left + b.right) / 2, kMiddleX, 150) << mark;
      EXPECT_NEAR((b.top + b.bottom) / 2, kMiddleY, 150) << mark;
      const Box japanese = fittedInk(direction, mark), mainland = fittedInk(direction, mark, Tradition::Mainland);
      EXPECT_EQ(mainland.left, japanese.left) << mark;
      EXPECT_EQ(mainland.top, japanese.top) << mark;
    }
  }
  // Marks other than these stand alike in every tradition.
  EXPECT_EQ(fittedInk(WritingDirection::Columns, "「", Tradition::Taiwan).top, fittedInk(WritingDirection::Columns, "「").top);
}

TEST(Punctuation, ChineseMarksStandWhereChineseTextSetsThem) {
  const WritingDirection rows = WritingDirection::Rows, columns = WritingDirection::Columns;
  // ：； in the middle of the box, upright in rows and turned in columns.
  for (const char* mark : {"：", "；"}) {
    const Box h = fittedInk(rows, mark), v = fittedInk(columns, mark);
    EXPECT_NEAR((h.left + h.right) / 2, kMiddleX, 150) << mark;
    EXPECT_GT(h.bottom - h.top, h.right - h.left) << mark;
    EXPECT_GT(v.right - v.left, v.bottom - v.top) << mark;
  }
  EXPECT_EQ(strokeLengths("：").size(), 2u);
  // Quotes high in the box: the opening ones in its right half, the closing in its left.
  for (const char* open : {"“", "‘"}) {
    const Box b = fittedInk(rows, open);
    EXPECT_GT(b.left, kMiddleX) << open;
    EXPECT_LT(b.bottom, kMiddleY - 400) << open;
  }
  for (const char* close : {"”", "’"}) {
    const Box b = fittedInk(rows, close);
    EXPECT_LT(b.right, kMiddleX) << close;
    EXPECT_LT(b.bottom, kMiddleY - 400) << close;
  }
  EXPECT_EQ(strokeLengths("“").size(), 2u);
  // Book-title marks open on the right half in rows, on the lower half in columns.
  for (const char* mark : {"《", "〈"}) {
    const Box h = fittedInk(rows, mark), v = fittedInk(columns, mark);
    EXPECT_GT(h.bottom - h.top, h.right - h.left) << mark;
    EXPECT_GT((h.left + h.right) / 2, kMiddleX) << mark;
    EXPECT_GT((v.top + v.bottom) / 2, kMiddleY) << mark;
  }
  EXPECT_LT(fittedInk(rows, "》").right, kMiddleX + 200);
  EXPECT_EQ(strokeLengths("《").size(), 2u);
}

TEST(Punctuation, BracketsTurnAQuarterTurnInColumns) {
  const WritingDirection rows = WritingDirection::Rows, columns = WritingDirection::Columns;
  const Box open = fittedInk(rows, "「"), turned = fittedInk(columns, "「");
  EXPECT_GT(open.bottom - open.top, open.right - open.left);        // upright: taller than wide
  EXPECT_GT(turned.right - turned.left, turned.bottom - turned.top);  // turned: wider than tall
  EXPECT_GT(open.left, kMiddleX - 200);    // 「 opens on the right half of its box in rows
  EXPECT_GT(turned.top, kMiddleY - 200);   // and on the lower half in columns
  const Box close = fittedInk(rows, "」");
  EXPECT_LT(close.right, kMiddleX + 200);
  for (const char* mark : {"『", "』", "・"}) fittedInk(rows, mark);
}

// The strokes of a mark: how many records each begins with.
std::vector<int> strokeLengths(const char* mark, WritingDirection direction) {
  std::optional<StrokeSource> found = PunctuationSource().find(mark, direction);
  if (!found) return {};
  std::istringstream in(found->text);
  StrokeTable table{};
  StrokeCountValue count;
  (void)readStrokeStream(in, table, count);
  std::vector<int> lengths;
  for (int i = 1; i < slotOf(count); ++i) {
    if (table[i].Kind == kNewStroke) lengths.push_back(0);
    if (table[i].Kind == kNewStroke || table[i].Kind == kStrokeGoesOn) ++lengths.back();
  }
  return lengths;
}

TEST(Punctuation, DigitsAndLessonMarksAreWrittenInTheirStrokes) {
  for (const char* one : {"0", "1", "2", "3", "6", "7", "8", "9", "（", "）", "〜", "【", "〔"}) {
    EXPECT_EQ(strokeLengths(one).size(), 1u) << one;
  }
  for (const char* two : {"4", "5", "！", "？", "‥"}) EXPECT_EQ(strokeLengths(two).size(), 2u) << two;
  EXPECT_EQ(strokeLengths("…").size(), 3u);
  EXPECT_EQ(strokeLengths("５"), strokeLengths("5"));  // full-width and ASCII alike
  // 5: the stem and its belly in one stroke, the bar last and short.
  const std::vector<int> five = strokeLengths("5");
  EXPECT_GT(five[0], five[1]);
  // A digit and ！ stay upright in columns; （ turns, opening downwards on the lower half.
  EXPECT_EQ(fittedInk(WritingDirection::Columns, "7").top, fittedInk(WritingDirection::Rows, "7").top);
  const Box paren = fittedInk(WritingDirection::Rows, "（"), turned = fittedInk(WritingDirection::Columns, "（");
  EXPECT_GT(paren.bottom - paren.top, paren.right - paren.left);
  EXPECT_GT(turned.right - turned.left, turned.bottom - turned.top);
  EXPECT_GT(turned.top, kMiddleY);
  const Box stop = fittedInk(WritingDirection::Columns, "．");
  EXPECT_GT(stop.left, kMiddleX);
  EXPECT_LT(stop.bottom, kMiddleY);
}

TEST(Punctuation, OtherCharactersAreNotPunctuation) {
  for (const char* c : {"海", "あ", "A", "ー", ""}) {
    EXPECT_FALSE(PunctuationSource().find(c, WritingDirection::Columns).has_value()) << c;
  }
}

}  // namespace
}  // namespace sumimai
