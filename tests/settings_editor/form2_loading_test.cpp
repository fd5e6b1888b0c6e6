// Form2's controls as placed, and what activation loads from 設定.dat and
// shows: whole, fractional and out-of-range values, and files it cannot use.
#include <algorithm>
#include <set>
#include <variant>

#include <gtest/gtest.h>

#include "form2_fixture.h"

namespace sumimai::testing {
namespace {

TEST_F(Form2Test, ControlsLieInsideTheirContainerAndText4OverTheBlueRow) {
  std::vector<Control*> created = form2.controlsInCreationOrder();
  ASSERT_EQ(created.size(), 18u);
  for (Control* control : created) {
    Control* frame = control->container();
    if (!frame) continue;
    EXPECT_EQ(frame, &form2.Frame2) << control->name();
    EXPECT_LE(control->left() + control->width(), frame->width()) << control->name();
    EXPECT_LE(control->top() + control->height(), frame->height()) << control->name();
  }
  EXPECT_EQ(form2.Picture1.container(), &form2.Frame2);
  // Text4 belongs to the window, at the place of frame position 2880, 1080.
  EXPECT_EQ(form2.Text4.container(), nullptr);
  EXPECT_EQ(form2.Text4.left(), form2.Frame2.left() + 2880);
  EXPECT_EQ(form2.Text4.top(), form2.Frame2.top() + 1080);
  EXPECT_EQ(form2.Text4.left(), form2.Frame2.left() + form2.Text2.left());

  std::vector<Control*> focus = form2.focusOrder();
  std::set<Control*> distinct(focus.begin(), focus.end());
  EXPECT_EQ(distinct.size(), focus.size());
  EXPECT_EQ(focus.front(), &form2.speed1);
  for (Control* control : focus) EXPECT_NE(std::find(created.begin(), created.end(), control), created.end());
}

TEST_F(Form2Test, ActivationShowsTheLoadedValuesAndPaintsTheirColourLast) {
  activateWith(" 3\r\n 10 \r\n 20 \r\n 30 \r\n");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(form2.sp1p.caption(), " 3");
  EXPECT_EQ(form2.speed1.value(), 3);
  EXPECT_EQ(form2.HScroll2.value(), 10);
  EXPECT_EQ(form2.HScroll3.value(), 20);
  EXPECT_EQ(form2.HScroll4.value(), 30);
  EXPECT_EQ(form2.Text2.text(), " 10");
  EXPECT_EQ(form2.Text3.text(), " 20");
  EXPECT_EQ(form2.Text4.text(), " 30");
  ASSERT_FALSE(previewFills().empty());
  EXPECT_EQ(previewFills().back(), (Rgb{10, 20, 30}));
}

TEST_F(Form2Test, TheSpeedLineReadsTheSameWithOrWithoutItsBlank) {
  activateWith("3\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(form2.sp1p.caption(), " 3");
  EXPECT_EQ(form2.speed1.value(), 3);
  EXPECT_EQ(form2.speed, 3);
}

TEST_F(Form2Test, AFractionTheBarMovesForIsReplacedOneItLeavesStays) {
  activateWith(" 2.5\r\n 12.4 \r\n .4 \r\n 255.5 \r\n");
  EXPECT_EQ(form2.speed1.value(), 2);  // halves to even
  EXPECT_EQ(form2.speed, 2);
  EXPECT_EQ(form2.sp1p.caption(), " 2");
  EXPECT_EQ(form2.red, 12);  // the bar moved to 12 and its handler set red
  EXPECT_EQ(form2.Text2.text(), " 12");
  EXPECT_EQ(form2.green, 0.4);  // 0 is where the bar already stood
  EXPECT_EQ(form2.Text3.text(), " .4");
  EXPECT_EQ(form2.HScroll4.value(), 256);
  EXPECT_EQ(previewFills().back(), (Rgb{12, 0, 255}));
}

TEST_F(Form2Test, ASpeedOutsideTheBarsRangeMovesItToTheNearerEnd) {
  activateWith(" 15\r\n 0 \r\n 0 \r\n 0 \r\n");
  EXPECT_EQ(form2.speed1.value(), 10);
  EXPECT_EQ(form2.speed, 10);
  EXPECT_EQ(form2.sp1p.caption(), " 10");

  // The bar already stands at 0: the speed stays as read.
  Form2 other{Form2Services{preview, messages}};
  writeFile(kSettingsFileName, "-3\r\n 0 \r\n 0 \r\n 1E+30 \r\n");
  other.form.onActivate();
  EXPECT_EQ(other.speed1.value(), 0);
  EXPECT_EQ(other.sp1p.caption(), "-3");
  EXPECT_EQ(other.HScroll4.value(), 256);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2Test, AnUnusableFileStartsFromSpeedZeroAndBlackAndSaysWhy) {
  struct Case {
    const char* bytes;  // nullptr: no file
    const char* reason;
  };
  for (const Case& c : {Case{nullptr, "ファイルがありません"}, Case{" 3\r\n 10 \r\n", "そろっていません"},
                        Case{" 3\r\n 10 \r\nred\r\n 0 \r\n", "3 行目「red」は数値ではありません"}}) {
    ScratchFolder scratch;
    if (c.bytes) writeFile(kSettingsFileName, c.bytes);
    RecordingCanvasControl canvas;
    ScriptedMessageBoxes boxes;
    Form2 editor{Form2Services{canvas, boxes}};
    editor.form.onActivate();
    ASSERT_EQ(boxes.shown.size(), 1u) << c.reason;
    EXPECT_NE(boxes.shown[0].prompt.find("設定.dat"), std::string::npos);
    EXPECT_NE(boxes.shown[0].prompt.find(c.reason), std::string::npos) << boxes.shown[0].prompt;
    EXPECT_EQ(editor.sp1p.caption(), " 0");
    EXPECT_EQ(editor.red, 0);  // no partial values from a short file
    EXPECT_EQ(editor.Text2.text(), " 0");
    EXPECT_EQ(editor.Text4.text(), " 0");
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(std::get<RectangleCall>(canvas.calls[0]).colour, (Rgb{0, 0, 0}));
  }
}

TEST_F(Form2Test, ALaterActivationKeepsWhatTheUserTyped) {
  activateWith(" 3\r\n 10 \r\n 20 \r\n 30 \r\n");
  form2.Text2.setText("99");
  writeFile(kSettingsFileName, " 5\r\n 1 \r\n 1 \r\n 1 \r\n");
  activate();
  EXPECT_EQ(form2.red, 99);
  EXPECT_EQ(form2.sp1p.caption(), " 3");
}

}  // namespace
}  // namespace sumimai::testing
