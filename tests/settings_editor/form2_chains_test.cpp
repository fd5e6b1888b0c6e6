// How Form2's bars, text boxes, values and preview keep one another in step
// after activation, including numbers the bars cannot take.
#include <gtest/gtest.h>

#include "form2_fixture.h"

namespace sumimai::testing {
namespace {

using Lines = std::vector<std::string>;

class Form2Chains : public Form2Test {
 protected:
  // Activates with the given components and forgets what activation did.
  void startWith(const std::string& red, const std::string& green, const std::string& blue) {
    activateWith(" 0\r\n" + red + "\r\n" + green + "\r\n" + blue + "\r\n");
    log.lines.clear();
    preview.calls.clear();
    ASSERT_TRUE(messages.shown.empty());
  }
};

TEST_F(Form2Chains, MovingABarRewritesItsTextInDisplayFormAndRepaintsOnce) {
  startWith("0", "0", "0");
  form2.HScroll2.setValue(200);
  // The text change sets red from " 200" and gives the bar 200 again, which raises nothing.
  EXPECT_EQ(log.lines, (Lines{"HScroll2 value=200", "Text2 text= 200"}));
  EXPECT_EQ(form2.red, 200);
  EXPECT_EQ(previewFills(), (std::vector<Rgb>{{200, 0, 0}}));

  form2.HScroll4.setValue(256);  // the preview shows 256 like 255
  EXPECT_EQ(form2.Text4.text(), " 256");
  EXPECT_EQ(form2.blue, 256);
  EXPECT_EQ(previewFills().back(), (Rgb{200, 0, 255}));
}

TEST_F(Form2Chains, TypingMovesTheBarWhoseHandlerRewritesTheText) {
  startWith("0", "0", "0");
  form2.Text3.setText("7");
  EXPECT_EQ(log.lines, (Lines{"Text3 text=7", "HScroll3 value=7", "Text3 text= 7"}));
  EXPECT_EQ(form2.green, 7);
  EXPECT_EQ(previewFills(), (std::vector<Rgb>{{0, 7, 0}}));

  // Typing on after the rewritten text: the bar follows, the text stays as typed.
  form2.Text3.setText(" 71");
  EXPECT_EQ(form2.HScroll3.value(), 71);
  EXPECT_EQ(form2.Text3.text(), " 71");
}

TEST_F(Form2Chains, AFractionTheBarAlreadyShowsStaysInTheValueUnpainted) {
  startWith("12", "0", "0");
  form2.Text2.setText("12.4");
  EXPECT_EQ(form2.red, 12.4);
  EXPECT_EQ(form2.HScroll2.value(), 12);
  EXPECT_EQ(form2.Text2.text(), "12.4");
  EXPECT_TRUE(previewFills().empty());

  // Halves round to the even neighbour.
  form2.Text3.setText("12.5");
  EXPECT_EQ(form2.HScroll3.value(), 12);
  form2.Text4.setText("13.5");
  EXPECT_EQ(form2.HScroll4.value(), 14);
}

TEST_F(Form2Chains, TextWithoutANumberCountsAsZero) {
  startWith("200", "0", "0");
  form2.Text2.setText("abc");
  EXPECT_EQ(form2.HScroll2.value(), 0);
  EXPECT_EQ(form2.red, 0);
  EXPECT_EQ(form2.Text2.text(), " 0");
  EXPECT_EQ(previewFills(), (std::vector<Rgb>{{0, 0, 0}}));

  // Blanks inside the number are ignored; what follows the number is not read.
  form2.Text2.setText("1 2x5");
  EXPECT_EQ(form2.HScroll2.value(), 12);
}

TEST_F(Form2Chains, NumbersBeyondTheBarMoveItToTheNearerEnd) {
  startWith("0", "256", "0");
  // The bar moves to 256, and its handler replaces the typed 300.
  form2.Text2.setText("300");
  EXPECT_EQ(form2.HScroll2.value(), 256);
  EXPECT_EQ(form2.red, 256);
  EXPECT_EQ(form2.Text2.text(), " 256");

  // The bar already stands at 256: the typed number stays, the preview holds 255.
  form2.Text3.setText("99999999999");
  EXPECT_EQ(form2.HScroll3.value(), 256);
  EXPECT_EQ(form2.green, 99999999999.0);
  form2.Text4.setText("-5");
  EXPECT_EQ(form2.HScroll4.value(), 0);
  EXPECT_EQ(form2.blue, -5);
  form2.HScroll2.setValue(1);
  EXPECT_EQ(previewFills().back(), (Rgb{1, 255, 0}));

  form2.Text2.setText("1e308");
  EXPECT_EQ(form2.HScroll2.value(), 256);
  form2.Text2.setText("-1e308");
  EXPECT_EQ(form2.HScroll2.value(), 0);
}

TEST_F(Form2Chains, TheSpeedBarShowsItsValueWithoutABlank) {
  activateWith(" 3\r\n 0 \r\n 0 \r\n 0 \r\n");
  EXPECT_EQ(form2.sp1p.caption(), " 3");
  form2.speed1.setValue(10);
  EXPECT_EQ(form2.sp1p.caption(), "10");
  EXPECT_EQ(form2.speed, 10);
  form2.speed1.setValue(0);
  EXPECT_EQ(form2.sp1p.caption(), "0");
}

}  // namespace
}  // namespace sumimai::testing
