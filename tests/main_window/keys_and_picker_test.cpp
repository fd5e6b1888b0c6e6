// The keys of the drawing view and the page picker.
#include <gtest/gtest.h>

#include "form1_fixture.h"
#include "main_window/page_picker.h"

namespace sumimai::testing {
namespace {

using Lines = std::vector<std::string>;

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

TEST_F(Form1Test, EveryKeyOfTheTableActsWhateverTheShiftState) {
  struct Case {
    std::vector<int> codes;
    std::string text, drawn;
    std::uint64_t rectangles;  // 空間 runs only when drawing slowly (Speed 0)
  };
  const Case cases[] = {
      {{13, 39, 99, 102, 105, 108}, " 13", "字13.mem", 0},
      {{8, 37, 97, 100, 103}, " 11", "字11.mem", 0},
      {{32, 38, 40, 96, 98, 101, 104}, " 12", "字12.mem", 2000},
  };
  enterDrawingView(12);
  for (const Case& c : cases) {
    for (int code : c.codes) {
      for (int shift : {0, kShift, kCtrl, kAlt, kShift | kCtrl}) {
        type("12");
        form1.Picture1.events.keyDown(code, shift);
        EXPECT_EQ(form1.Text1.text(), c.text) << code << " " << shift;
        EXPECT_EQ(drawnFiles(), Lines{c.drawn}) << code;
        EXPECT_EQ(canvas.rectangleCount, c.rectangles) << code;
      }
    }
  }
  EXPECT_EQ(form1.DrawSettings.Speed, 0);
  for (int code : {0, 16, 18, 65, 106, 109, 255}) {
    forget();
    form1.Picture1_KeyDown(code, 0);
    EXPECT_TRUE(log.lines.empty()) << code;
  }
}

TEST_F(Form1Test, ArrowKeysWrapAndRepeatKeysDoNot) {
  enterDrawingView(12);
  struct Case {
    int code;
    std::string typed, text, drawn;
  };
  const Case cases[] = {
      {39, "276", "1", "字1.mem"}, {37, "1", "276", "字276.mem"}, {32, "abc", " 0", ".mem"},
      {32, "290", " 290", ".mem"}, {38, "1000", "1", "字1.mem"},  // beyond slot 300 it wraps
  };
  for (const Case& c : cases) {
    type(c.typed);
    form1.Picture1_KeyDown(c.code, 0);
    EXPECT_EQ(form1.Text1.text(), c.text) << c.code << " " << c.typed;
    EXPECT_EQ(drawnFiles(), Lines{c.drawn}) << c.code << " " << c.typed;
  }
}

TEST_F(Form1Test, CtrlGoesToThePageAndNoKeyActsThere) {
  enterDrawingView(12);
  form1.Picture1_KeyDown(17, kCtrl);
  EXPECT_TRUE(inPageView());
  EXPECT_TRUE(canvas.calls.empty());
  for (int code : {17, 39, 13, 32, 8}) {
    forget();
    form1.Picture1_KeyDown(code, kShift);
    EXPECT_TRUE(log.lines.empty()) << code;
    EXPECT_TRUE(pictures.loads.empty()) << code;
  }
  EXPECT_EQ(form1.Text1.text(), "12");
}

TEST(PagePicker, CellsOfTheBoxBeforeFitting) {
  const GridBox& g = kPageGridBox;
  struct Case {
    double x, y;
    bool armed;
    std::optional<int> picked;
  };
  const Case cases[] = {
      {700, 2800, true, 271},  // second column from the left, top row
      {700, 3400, true, 272},
      {700, 4100, false, std::nullopt},  // the empty cells below 272
      {300, 2800, true, 273},  // the closing title in the leftmost column
      {300, 4600, true, 276},
      {135.01, 5000, true, 276},
      {300, 5200, false, std::nullopt},
      {1200, 5000, true, 264},
      {14600, 8600, true, 20},
      {14700, 2800, true, 1},  // the title: the column right of the box
      {14700, 8600, true, 10},
      {15200, 2800, true, 1},  // and the next one
      {15600, 8600, true, 10},
      {16000, 2800, true, std::nullopt},  // armed, yet nothing to pick
      {16373, 5000, true, std::nullopt},
      {16374, 5000, false, std::nullopt},  // right of (GridRight - GridLeft) / 27 * 30.5
      {135, 5000, false, std::nullopt},    // the edges are strict
      {700, 2715, false, std::nullopt},
      {700, 8655, false, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(armsPick(g, c.x, c.y), c.armed) << c.x << "," << c.y;
    if (c.armed) {
      EXPECT_EQ(pickedNumber(g, c.x, c.y), c.picked) << c.x << "," << c.y;
    }
  }
}

TEST_F(Form1Test, ThePointerArmsOnlyInThePageViewAndAReleasePicksWithAnyButton) {
  for (int button : {1, 2, 4}) {
    startUp();
    form1.grid = kPageGridBox;
    form1.イメージ1_MouseMove(0, 0, 700, 4100);
    EXPECT_EQ(form1.form.mousePointer(), MousePointer::kArrow);
    form1.イメージ1_MouseUp(button, 0, 700, 4100);
    EXPECT_TRUE(inPageView());
    form1.イメージ1_MouseMove(0, 0, 700, 2800);
    EXPECT_EQ(form1.form.mousePointer(), MousePointer::kSizeAll);
    forget();
    form1.イメージ1_MouseUp(button, kShift, 700, 2800);
    EXPECT_EQ(form1.Text1.text(), "271") << button;
    EXPECT_EQ(form1.form.mousePointer(), MousePointer::kArrow);
    EXPECT_EQ(drawnFiles(), Lines{"字271.mem"});
    EXPECT_TRUE(inDrawingView());
    EXPECT_EQ(form1.イメージ1.picture().source, "Picture2.jpg");
  }
}

TEST_F(Form1Test, AnArmedReleaseOffTheCellsPicksNothing) {
  startUp();
  form1.grid = kPageGridBox;
  form1.イメージ1_MouseMove(0, 0, 16000, 2800);
  EXPECT_EQ(form1.form.mousePointer(), MousePointer::kSizeAll);
  forget();
  form1.イメージ1_MouseUp(1, 0, 16000, 2800);
  form1.イメージ1_MouseUp(1, 0, 700, 2715);  // still armed, but on the top edge
  EXPECT_TRUE(log.lines.empty());
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(Form1Test, TheRightButtonInTheDrawingViewShowsThePageAndPicksNothing) {
  enterDrawingView(12);
  form1.イメージ1_MouseMove(0, 0, 700, 2800);
  EXPECT_EQ(form1.form.mousePointer(), MousePointer::kArrow);
  form1.イメージ1_MouseUp(2, 0, 700, 2800);
  EXPECT_TRUE(inPageView());
  EXPECT_EQ(form1.Text1.text(), "12");
  EXPECT_TRUE(canvas.calls.empty());
  // The left button there does nothing at all.
  enterDrawingView(13);
  form1.イメージ1_MouseUp(1, 0, 700, 2800);
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(Form1Test, ADoubleClickOnTheDrawingViewsPictureEndsTheProgram) {
  enterDrawingView(12);
  form1.イメージ1.events.doubleClick();
  EXPECT_TRUE(form1.form.ended());
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(Form1Test, ADoubleClickOnAPageCharacterDrawsItThenEndsTheProgram) {
  startUp();
  form1.grid = kPageGridBox;
  releaseAt(cellCentre(13));  // the first release of a double-click picks
  form1.イメージ1.events.click();
  form1.イメージ1.events.doubleClick();
  EXPECT_EQ(drawnFiles(), Lines{"字13.mem"});
  EXPECT_TRUE(form1.form.ended());
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace sumimai::testing
