#include "window/controls.h"

#include <gtest/gtest.h>

#include "window/recording/control_log.h"
#include "window/window.h"

namespace sumimai {
namespace {

TEST(Controls, AssigningANewTextRaisesChangeAtOnceAndTheSameTextNothing) {
  TextBox box("Text2");
  int changes = 0;
  box.events.change = [&] { ++changes; };
  box.setText("1");
  EXPECT_EQ(changes, 1);
  box.setText("1");
  EXPECT_EQ(changes, 1);
}

TEST(Controls, ChangeChainsNestAndEndWhenABarGetsItsOwnValue) {
  ScrollBar bar("HScroll2", 0, 256);
  TextBox text("Text2");
  std::vector<std::string> trace;
  bar.events.change = [&] {
    trace.push_back("bar " + std::to_string(bar.value()));
    text.setText(std::to_string(bar.value()));
  };
  text.events.change = [&] {
    trace.push_back("text " + text.text());
    bar.setValue(static_cast<std::int16_t>(std::stoi(text.text())));
  };
  bar.setValue(200);
  EXPECT_EQ(trace, (std::vector<std::string>{"bar 200", "text 200"}));
}

TEST(Controls, TheLogShowsHidesShowsAndPointer) {
  PictureControl image("Image1");
  Window form("Form1", "Form1");
  ControlLog log;
  log.watch(image);
  log.watch(form);
  image.setVisible(false);
  image.setVisible(false);
  image.setVisible(true);
  form.setMousePointer(5);
  form.end();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Image1 hide", "Image1 show", "Form1 pointer=5", "Form1 end"}));
}

}  // namespace
}  // namespace sumimai
