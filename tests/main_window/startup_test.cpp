// The start-up sequence and the layout, as the user sees them.
#include <gtest/gtest.h>

#include "data_files/file_paths.h"
#include "form1_fixture.h"
#include "renderer/grid_box.h"
#include "drawing/drawing_pace.h"

namespace sumimai::testing {
namespace {

using Lines = std::vector<std::string>;

// The canvas calls of a start-up, named by what they draw and run together
// with their counts: "pause 20000", "sample 5", "clear 2", ... The page is
// drawn in the settings' ink; "spacing" is 空間's rectangles, "picture" the
// captured page set as the canvas's picture.
Lines drawingPhases(const std::vector<CanvasCall>& calls, Rgb settingsInk) {
  auto phase = [&](const CanvasCall& call) -> std::string {
    if (const ClearCall* clear = std::get_if<ClearCall>(&call)) return clear->pictureSet ? "picture" : "clear";
    if (const RectangleCall* r = std::get_if<RectangleCall>(&call)) {
      return r->colour == Rgb{255, 255, 255} ? "spacing" : "grid";
    }
    if (!std::holds_alternative<Ring>(call)) return "grid";
    const Ring& ring = std::get<Ring>(call);
    if (ring.radius == 10000) return "pause";
    if (ring.colour == Rgb{160, 140, 50}) return "sample";
    if (ring.colour == settingsInk) return "page";
    return "other";
  };
  Lines phases;
  std::string last;
  int count = 0;
  for (const CanvasCall& call : calls) {
    std::string name = phase(call);
    if (name != last && count > 0) phases.push_back(last + " " + std::to_string(count)), count = 0;
    last = name, ++count;
  }
  if (count > 0) phases.push_back(last + " " + std::to_string(count));
  return phases;
}

// Counts in a phase list are checked only where they are fixed.
Lines phaseNames(const Lines& phases) {
  Lines names;
  for (const std::string& p : phases) names.push_back(p.substr(0, p.find(' ')));
  return names;
}

TEST_F(Form1Test, StartUpRunsTheWholeSequenceAndEndsInThePageView) {
  // The rings drawn when the capture prompt opened, and when the captured
  // picture became the canvas's picture.
  std::uint64_t ringsAtPrompt = 0;
  int picturesSetAfterPrompt = 0;
  canvas.onCall = [&](const CanvasCall& call) {
    if (messages.shown.empty()) ringsAtPrompt = canvas.ringCount;
    const ClearCall* set = std::get_if<ClearCall>(&call);
    if (set && set->pictureSet && messages.shown.size() == 1) ++picturesSetAfterPrompt;
  };
  pictures.loads.clear();
  resize(kScreenWidth, kScreenHeight);

  const Lines hides = {"Image1 hide", "Image2 hide", "Image3 hide", "Image4 hide",
                       "Image5 hide", "Text1 hide",  "Label1 hide", "Image6 hide"};
  Lines expected = hides;
  expected.insert(expected.end(), {"イメージ1 picture=Picture.jpg", "イメージ1 picture=Picture2.jpg",
                                   "イメージ1 picture=般若心経.bmp", "Image5 show", "Image6 show"});
  EXPECT_EQ(log.lines, expected);
  EXPECT_EQ(pictures.loads, (Lines{"Picture.jpg", "Picture2.jpg", "般若心経.bmp"}));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt, "描画させる文字をクリックして下さい。");
  EXPECT_EQ(messages.shown[0].title, "文字選択");
  EXPECT_EQ(messages.shown[0].style, MessageBoxStyle::kOk);

  // The page was on the canvas when the screen was taken; the captured
  // picture was set only after the prompt, then saved at the canvas's size.
  EXPECT_EQ(ringsAtPrompt, canvas.ringCount);
  EXPECT_EQ(picturesSetAfterPrompt, 1);
  EXPECT_EQ(canvas.savedFiles, Lines{"般若心経.bmp"});
  EXPECT_EQ(canvas.picture().pixelWidth, 1922);
  EXPECT_EQ(canvas.picture().pixelHeight, 1082);

  Lines phases = drawingPhases(canvas.calls, {10, 20, 30});
  EXPECT_EQ(phaseNames(phases), (Lines{"pause", "sample", "pause", "clear", "grid", "page", "picture"}));
  EXPECT_EQ(phases[0], "pause 20000");
  EXPECT_EQ(phases[2], "pause 40000");
  EXPECT_EQ(phases[3], "clear 2");
  EXPECT_EQ(phases[4], "grid 39");

  EXPECT_TRUE(inPageView());
  EXPECT_EQ(form1.Text1.text(), "0");
  EXPECT_EQ(form1.StrokeFileName, "海（墨翁）.MEM");
  EXPECT_EQ(form1.InkColour.red, 10);
  EXPECT_EQ(form1.InkColour.blue, 30);
  EXPECT_EQ(form1.StrokeCount, 3);  // the page's end mark
  EXPECT_EQ(form1.SutraText[1], "字1");
  EXPECT_EQ(form1.SutraText[276], "字276");
}

TEST_F(Form1Test, EveryResizeRunsTheWholeSequenceAgainWithFreshFiles) {
  startUp();
  writeFile("設定.dat", "3\r\n 1 \r\n 2 \r\n 3 \r\n");
  resize(15000, 9000);
  EXPECT_EQ(messageTitles(), Lines{"文字選択"});
  EXPECT_EQ(canvas.savedFiles.size(), 2u);
  EXPECT_EQ(form1.DrawSettings.Speed, 3);
  EXPECT_EQ(form1.InkColour.green, 2);
  EXPECT_EQ(canvas.picture().pixelWidth, 1002);
  EXPECT_TRUE(inPageView());
  EXPECT_EQ(phaseNames(drawingPhases(canvas.calls, {1, 2, 3})),
            (Lines{"pause", "spacing", "sample", "pause", "clear", "grid", "page", "picture"}));
}

TEST_F(Form1Test, SutraTextHoldsOnlySlotsOneTo276EvenFromALongerList) {
  writeFile(dataFilePath("文字2.csv"), characterList(300));
  startUp();
  EXPECT_EQ(form1.SutraText[0], "");
  EXPECT_EQ(form1.SutraText[276], "字276");
  for (int slot = 277; slot <= 300; ++slot) EXPECT_EQ(form1.SutraText[slot], "") << slot;
}

TEST_F(Form1Test, TheGridBoxIsFittedWithThePage) {
  startUp();
  EXPECT_NE(form1.grid, kPageGridBox);
  EXPECT_GT(form1.grid.GridRight, form1.grid.GridLeft);
  EXPECT_GT(form1.grid.GridBottom, form1.grid.GridTop);
  EXPECT_LT(form1.grid.GridRight, kScreenWidth);
}

TEST_F(Form1Test, TheLayoutFollowsTheWindowSize) {
  struct Case {
    float W, H;
  };
  for (Case c : {Case{kScreenWidth, kScreenHeight}, Case{10845, 6241}}) {
    resize(c.W, c.H);
    const float middle = c.W / 2;
    EXPECT_EQ(form1.Picture1.outerSize(), (SizeF{c.W + 30, c.H + 30}));
    EXPECT_EQ(form1.イメージ1.width(), c.W);
    EXPECT_EQ(form1.イメージ1.height(), c.H);
    EXPECT_EQ((PointF{form1.Image1.left(), form1.Image1.top()}), (PointF{middle - 3000, c.H - 1200}));
    EXPECT_EQ((PointF{form1.Image2.left(), form1.Image2.top()}), (PointF{middle - 1000, c.H - 1000}));
    EXPECT_EQ((PointF{form1.Text1.left(), form1.Text1.top()}), (PointF{middle - 500, c.H - 1000}));
    EXPECT_EQ((PointF{form1.Label1.left(), form1.Label1.top()}), (PointF{middle + 150, c.H - 980}));
    EXPECT_EQ((PointF{form1.Image4.left(), form1.Image4.top()}), (PointF{middle + 700, c.H - 1000}));
    EXPECT_EQ((PointF{form1.Image3.left(), form1.Image3.top()}), (PointF{middle + 1200, c.H - 1000}));
    EXPECT_EQ((PointF{form1.Image5.left(), form1.Image5.top()}), (PointF{c.W - 480, 30}));
    EXPECT_EQ((PointF{form1.Image6.left(), form1.Image6.top()}), (PointF{c.W - 3000, 0}));
    EXPECT_EQ(form1.Image1.width(), 1695);
    EXPECT_EQ(form1.Text1.height(), 375);
    EXPECT_EQ(form1.Image6.width(), 2175);
  }
  // 10845 / 2 is not whole: the row keeps the half twip of single precision.
  EXPECT_EQ(form1.Text1.left(), 4922.5f);
}

TEST_F(Form1Test, TheControlsAreCreatedAsTheWindowDefinesThem) {
  std::vector<std::string> names;
  for (Control* c : form1.controlsInCreationOrder()) {
    names.push_back(c->name());
    if (c != &form1.Picture1) {
      EXPECT_EQ(c->container(), &form1.Picture1) << c->name();
    }
  }
  EXPECT_EQ(names, (Lines{"Picture1", "イメージ1", "Image1", "Image2", "Text1", "Label1", "Image4", "Image3",
                          "Image5", "Image6"}));
  EXPECT_EQ(form1.form.caption(), "Form1");
  EXPECT_EQ(form1.Text1.text(), "0");
  EXPECT_TRUE(form1.Text1.centred);
  EXPECT_EQ(form1.Text1.font(), (FontSpec{"ＭＳ Ｐゴシック", 12, true}));
  EXPECT_EQ(form1.Label1.caption(), "般若");
  EXPECT_EQ(form1.Label1.font(), (FontSpec{"ＭＳ Ｐゴシック", 15.75, false}));
  EXPECT_EQ(form1.Image1.tooltip(), "選択用文字表示");
  EXPECT_EQ(form1.Image2.tooltip(), "前に戻す");
  EXPECT_EQ(form1.Image3.tooltip(), "先に進める");
  EXPECT_EQ(form1.Image4.tooltip(), "ゆっくり繰り返す");
  EXPECT_EQ(form1.Text1.tooltip(), "文字番号");
  EXPECT_EQ(form1.Label1.tooltip(), "描画文字");
  EXPECT_EQ(form1.Image5.tooltip(), "");
}

TEST(Form1Pictures, TheButtonPicturesComeFromTheProgramsResources) {
  RecordingCanvasControl canvas;
  ScriptedMessageBoxes messages;
  RecordingPictures pictures;
  Form1 form1{{canvas, messages, pictures}};
  EXPECT_EQ(pictures.loads, (Lines{":/pictures/Image1.png", ":/pictures/Image2.png", ":/pictures/Image3.png",
                                   ":/pictures/Image4.png", ":/pictures/Image5.png", ":/pictures/Image6.png"}));
  EXPECT_EQ(canvas.clock().callCost(), kDrawingCallCost);
}

}  // namespace
}  // namespace sumimai::testing
