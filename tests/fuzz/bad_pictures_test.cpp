// Picture2.jpg that cannot be read, three ways (cut short, empty, a text file
// under the picture's name), read by the real picture files with the shipped
// data around it: the main window names the file and says why, and goes on
// where it can; the program never crashes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "main_window/form1.h"
#include "main_window/form1_texts.h"
#include "test_files.h"
#include "window/qt/qt_picture_files.h"
#include "window/recording/recording_canvas_control.h"
#include "window/recording/scripted_message_boxes.h"

namespace sumimai::testing {
namespace {
namespace fs = std::filesystem;

struct BadPicture {
  std::string name;  // of the case
  std::string bytes;
};

void PrintTo(const BadPicture& picture, std::ostream* out) { *out << picture.name; }

std::vector<BadPicture> badBackgrounds() {
  const std::string jpeg = readFile(fs::path(SUMIMAI_SHIPPED_DATA) / "Picture2.jpg");
  return {{"CutShort", jpeg.substr(0, jpeg.size() / 2)}, {"Empty", ""}, {"TextFile", "not a picture\r\n"}};
}

// The lines of a message's prompt.
std::vector<std::string> lines(const std::string& prompt) {
  std::vector<std::string> out(1);
  for (char c : prompt) {
    if (c == '\n') {
      out.emplace_back();
    } else {
      out.back().push_back(c);
    }
  }
  return out;
}

// A prompt that names the file, says why it cannot be used, and ends with
// what the program does about it (the reason may name the file itself, or
// the name stands on a line of its own before it).
void expectNamedWithReason(const std::string& prompt, const std::string& then) {
  std::vector<std::string> l = lines(prompt);
  ASSERT_GE(l.size(), 2u) << prompt;
  EXPECT_NE(prompt.find(kBackgroundPicture), std::string::npos) << prompt;
  EXPECT_GT(l[l.size() - 2].size(), std::string(kBackgroundPicture).size()) << prompt;
  EXPECT_EQ(l.back(), then);
}

class BadBackground : public ::testing::TestWithParam<BadPicture> {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "sumimai_bad_pictures_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);  // image format plugins
  }

  BadBackground() {
    fs::copy(SUMIMAI_SHIPPED_DATA, folder.path(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    canvas.keepCalls = false;  // the whole page is drawn: count only
  }

  void startUp() {
    form1.form.setGeometry(0, 0, 28800, 16200);
    form1.form.onResize();
  }

  // A release over the character in the second column from the right, first row.
  void pickACharacter() {
    const GridBox& g = form1.grid;
    const float x = static_cast<float>(g.GridLeft + 27.5 * (g.GridRight - g.GridLeft) / 28);
    const float y = static_cast<float>(g.GridTop + 0.05 * (g.GridBottom - g.GridTop));
    form1.イメージ1.events.mouseMove({0, 0, x, y});
    form1.イメージ1.events.mouseUp({1, 0, x, y});
  }

  ScratchFolder folder;
  RecordingCanvasControl canvas;
  ScriptedMessageBoxes messages;
  QtPictureFiles pictures;
  Form1 form1{{canvas, messages, pictures}};
};

TEST_P(BadBackground, AtStartUpIsNamedAndTheProgramEnds) {
  writeFile(kBackgroundPicture, GetParam().bytes);
  startUp();
  ASSERT_EQ(messages.shown.size(), 1u);
  const ShownMessage& m = messages.shown.back();
  EXPECT_EQ(m.title, Form1Texts::kStartUpFailedTitle);
  expectNamedWithReason(m.prompt, Form1Texts::kStartUpFailedEnd);
  EXPECT_TRUE(form1.form.ended());
}

TEST_P(BadBackground, AtAPickIsNamedOnceAndTheStartUpBackgroundServes) {
  startUp();
  ASSERT_FALSE(form1.form.ended());
  ASSERT_TRUE(form1.Image5.visible()) << "start-up did not reach the page view";
  writeFile(kBackgroundPicture, GetParam().bytes);
  const std::size_t before = messages.shown.size();
  const std::uint64_t ringsBefore = canvas.ringCount;
  pickACharacter();
  ASSERT_EQ(messages.shown.size(), before + 1);
  const ShownMessage& m = messages.shown.back();
  EXPECT_EQ(m.title, Form1Texts::kBackgroundTitle);
  expectNamedWithReason(m.prompt, Form1Texts::kBackgroundFallback);
  EXPECT_EQ(form1.イメージ1.picture().source, kBackgroundPicture);  // the copy read at start-up
  EXPECT_GT(canvas.ringCount, ringsBefore) << "the character was not drawn";
  form1.イメージ1.events.mouseUp({2, 0, 0, 0});  // the right button: back to the page
  pickACharacter();
  EXPECT_EQ(messages.shown.size(), before + 1) << "told again";
  EXPECT_EQ(form1.イメージ1.picture().source, kBackgroundPicture);
}

INSTANTIATE_TEST_SUITE_P(Picture2, BadBackground, ::testing::ValuesIn(badBackgrounds()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace sumimai::testing
