// The drawing view: the buttons, the number box, Label1 and the pipeline
// that draws the current character.
#include <gtest/gtest.h>

#include "data_files/file_paths.h"
#include "form1_fixture.h"

namespace sumimai::testing {
namespace {

using Lines = std::vector<std::string>;

Lines textsWritten(const Lines& log) {
  Lines texts;
  for (const std::string& line : log) {
    if (line.rfind("Text1 text=", 0) == 0) texts.push_back(line.substr(11));
  }
  return texts;
}

TEST_F(Form1Test, APickDrawsTheCharacterOverTheBackgroundAndShowsTheButtons) {
  startUp();
  form1.grid = kPageGridBox;
  releaseAt(cellCentre(12));
  Lines expected = {"Form1 pointer=5", "Text1 text=12", "Form1 pointer=1", "イメージ1 picture=Picture2.jpg",
                    "Image5 hide", "Image6 hide", "Label1 caption=字12", "Image1 show", "Image2 show",
                    "Image3 show", "Image4 show", "Image5 show", "Text1 show", "Label1 show", "Image6 show"};
  EXPECT_EQ(log.lines, expected);
  EXPECT_EQ(drawnFiles(), Lines{"字12.mem"});
  EXPECT_GT(canvas.ringCount, 0u);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(inDrawingView());
  // The drawing is in the ink of the settings, not the sample's.
  for (const Ring& ring : canvas.rings()) {
    if (ring.radius != 10) {
      EXPECT_EQ(ring.colour, (Rgb{10, 20, 30}));
    }
  }
}

TEST_F(Form1Test, DrawingHidesTheCommandControlsThenShowsThemInOrder) {
  enterDrawingView(12);
  form1.Image3_Click();
  Lines expected = {"Text1 text= 13", "Image1 hide", "Image2 hide", "Image3 hide", "Image4 hide", "Image5 hide",
                    "Text1 hide", "Label1 hide", "Image6 hide", "Label1 caption=字13", "Image1 show",
                    "Image2 show", "Image3 show", "Image4 show", "Image5 show", "Text1 show", "Label1 show",
                    "Image6 show"};
  EXPECT_EQ(log.lines, expected);
}

TEST_F(Form1Test, StepsWrapAroundTheSutra) {
  struct Case {
    std::string typed;
    bool forward;
    Lines written;
    std::string drawn;
  };
  const Case cases[] = {
      {"276", true, {" 277", "1"}, "字1.mem"},
      {"1", false, {" 0", "276"}, "字276.mem"},
      {"12", true, {" 13"}, "字13.mem"},
      {"abc", true, {" 1"}, "字1.mem"},
      {"abc", false, {"-1", "276"}, "字276.mem"},
      {"500", false, {" 499", "1"}, "字1.mem"},
      {"0.6", false, {"-.4", "276"}, "字276.mem"},
      {"12.5", true, {" 13.5"}, "字14.mem"},  // 13.5 rounds to the even 14
  };
  enterDrawingView(1);
  for (const Case& c : cases) {
    type(c.typed);
    c.forward ? form1.Image3_Click() : form1.Image2_Click();
    EXPECT_EQ(textsWritten(log.lines), c.written) << c.typed;
    EXPECT_EQ(drawnFiles(), Lines{c.drawn}) << c.typed;
    EXPECT_TRUE(inDrawingView());
  }
}

TEST_F(Form1Test, Image4DrawsTheTypedNumberSlowlyAndLeavesItAsTyped) {
  enterDrawingView(1);
  struct Case {
    std::string typed, drawn;
  };
  for (Case c : {Case{"7.5", "字8.mem"}, Case{"6.5", "字6.mem"}, Case{" 1 2", "字12.mem"}}) {
    type(c.typed);
    form1.Image4_Click();
    EXPECT_EQ(drawnFiles(), Lines{c.drawn});
    EXPECT_EQ(form1.Text1.text(), c.typed);
  }
}

TEST_F(Form1Test, TheSlowRepeatRaisesSpeedByTwoForTheDrawingOnly) {
  writeFile("設定.dat", "0.1\r\n0\r\n0\r\n0\r\n");
  enterDrawingView(12);
  double speedWhileDrawing = -1;
  canvas.onCall = [&](const CanvasCall&) { speedWhileDrawing = form1.DrawSettings.Speed; };
  // 字12 is one stroke: 空間 runs once, 1000 rectangles per unit of Speed.
  form1.Image4_Click();
  EXPECT_DOUBLE_EQ(speedWhileDrawing, 2.1);
  EXPECT_EQ(form1.DrawSettings.Speed, 0.1);  // exactly what it was, not 0.1 + 2 - 2
  EXPECT_EQ(canvas.rectangleCount, 2100u);
  type("11");
  form1.Image3_Click();
  EXPECT_DOUBLE_EQ(speedWhileDrawing, 0.1);
  EXPECT_EQ(canvas.rectangleCount, 100u);
}

TEST_F(Form1Test, Label1ShowsTheTypedCharacterWithoutDrawing) {
  enterDrawingView(12);
  struct Case {
    std::string typed, text, caption;
  };
  for (Case c : {Case{"300", "1", "字1"}, Case{"abc", "276", "字276"}, Case{"13", "13", "字13"},
                 Case{"276.4", "1", "字1"}}) {
    type(c.typed);
    form1.Label1_Click();
    EXPECT_EQ(form1.Text1.text(), c.text) << c.typed;
    EXPECT_EQ(form1.Label1.caption(), c.caption) << c.typed;
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(form1.StrokeFileName, "字12.mem");
  }
}

TEST_F(Form1Test, AnEmptySlotReportsTheMissingFileAndAFarOneWraps) {
  enterDrawingView(12);
  messages.answers = {MessageBoxAnswer::kYes};
  form1.Text1.setText("300");
  form1.Image4_Click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].prompt, "不在文字を通知しますか？");
  EXPECT_EQ(messages.shown[1].prompt, "般若心経\\.mem");
  EXPECT_EQ(messages.shown[1].title, "ファイルが存在しません。");
  EXPECT_EQ(form1.Text1.text(), "300");
  EXPECT_TRUE(inDrawingView());

  struct Case {
    std::string typed, text, drawn;
  };
  for (Case c : {Case{"301", "1", "字1.mem"}, Case{"-1", "276", "字276.mem"}, Case{"1e300", "1", "字1.mem"},
                 Case{"-0.5", "-0.5", ".mem"}}) {
    type(c.typed);
    form1.Image4_Click();
    EXPECT_EQ(form1.Text1.text(), c.text) << c.typed;
    EXPECT_EQ(drawnFiles(), Lines{c.drawn}) << c.typed;
  }
}

TEST_F(Form1Test, TheMissingFileQuestionIsAskedOncePerRun) {
  std::filesystem::remove(dataFilePath("海（墨翁）.MEM"));
  messages.answers = {MessageBoxAnswer::kNo};
  resize(kScreenWidth, kScreenHeight);
  EXPECT_EQ(messageTitles(), (Lines{"不在文字通知確認", "文字選択"}));
  EXPECT_TRUE(inPageView());
  form1.grid = kPageGridBox;
  forget();
  releaseAt(cellCentre(20));  // 字20 has no stroke file
  resize(kScreenWidth, kScreenHeight);
  EXPECT_EQ(messageTitles(), Lines{"文字選択"});
}

TEST_F(Form1Test, Image1GoesBackToThePage) {
  enterDrawingView(12);
  form1.Image1_Click();
  EXPECT_EQ(pictures.loads, Lines{"般若心経.bmp"});
  EXPECT_TRUE(inPageView());
  EXPECT_EQ(form1.Text1.text(), "12");
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(Form1Test, Image5EndsTheProgramHoweverTheFarewellIsClosed) {
  for (int answer : {MessageBoxAnswer::kCancel, MessageBoxAnswer::kTryAgain, MessageBoxAnswer::kContinue}) {
    RecordingCanvasControl canvas2;
    ScriptedMessageBoxes boxes;
    RecordingPictures files;
    Form1 other{{canvas2, boxes, files}};
    boxes.answers = {answer};
    other.Image5_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].prompt, "Sumimaiを終了します。お疲れ様でした。");
    EXPECT_EQ(boxes.shown[0].title, "終了");
    EXPECT_EQ(boxes.shown[0].style, MessageBoxStyle::kCancelTryAgainContinue);
    EXPECT_TRUE(other.form.ended());
    EXPECT_EQ(other.form.exitStatus(), 0);
  }
  enterDrawingView(12);
  form1.Image5_DblClick();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(form1.form.ended());
}

}  // namespace
}  // namespace sumimai::testing
