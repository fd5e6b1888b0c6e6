// The S key: the writing on screen saved as an animated WebP in the working
// folder, with a notice, and nothing else of the window touched.
#include <gtest/gtest.h>

#include <filesystem>

#include "form1_fixture.h"
#include "main_window/form1_texts.h"

namespace sumimai::testing {
namespace {

namespace fs = std::filesystem;
constexpr int kS = 83;

bool isWebP(const fs::path& file) {
  const std::string bytes = readFile(file);
  return bytes.size() > 30 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "WEBP";
}

// Every file in the working folder, hidden ones too.
std::vector<std::string> filesHere() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class SaveKey : public Form1Test {
 protected:
  // The drawing view of a character; then the fixture's background picture,
  // which is not a picture, goes: the writing is saved over a plain ground.
  void enterDrawingViewWithoutBackground(int number) {
    enterDrawingView(number);
    fs::remove("Picture2.jpg");
  }
};

TEST_F(SaveKey, SavesTheCharacterOnScreenAndSaysWhereLeavingTheWindowAsItWas) {
  enterDrawingViewWithoutBackground(12);
  type(" 12");
  form1.Picture1_KeyDown(kS, 0);
  ASSERT_TRUE(isWebP("12_字12.webp"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, Form1Texts::kSaveTitle);
  EXPECT_NE(messages.shown[0].prompt.find("「12_字12.webp」を作業フォルダに保存しました。"), std::string::npos);
  EXPECT_NE(messages.shown[0].prompt.find((fs::current_path() / "12_字12.webp").string()), std::string::npos);
  // Nothing drawn on the window's canvas, no control changed, Text1 as typed.
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_TRUE(log.lines.empty());
  EXPECT_TRUE(drawnFiles().empty());
  EXPECT_EQ(form1.Text1.text(), " 12");
  EXPECT_TRUE(inDrawingView());
}

TEST_F(SaveKey, ActsOnlyInTheDrawingView) {
  startUp();
  const std::vector<std::string> before = filesHere();
  form1.Picture1_KeyDown(kS, 0);
  EXPECT_EQ(filesHere(), before);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(SaveKey, AnEarlierFileIsKeptAndTheNextSaveGetsANumber) {
  enterDrawingViewWithoutBackground(13);
  writeFile("13_字13.webp", "an earlier save");
  fs::create_directory("13_字13-2.webp");  // anything standing there counts as taken
  form1.Picture1_KeyDown(kS, 0);
  EXPECT_EQ(readFile("13_字13.webp"), "an earlier save");
  ASSERT_TRUE(isWebP("13_字13-3.webp"));
  form1.Picture1_KeyDown(kS, 0);
  ASSERT_TRUE(isWebP("13_字13-4.webp"));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[1].prompt.find("「13_字13-4.webp」を作業フォルダに保存しました。"), std::string::npos);
}

TEST_F(SaveKey, AFileThatCannotBeWrittenIsNamedWithTheReason) {
  enterDrawingViewWithoutBackground(13);
  const std::vector<std::string> before = filesHere();
  {
    FileSizeLimit full(100);
    form1.Picture1_KeyDown(kS, 0);
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  const std::string& told = messages.shown[0].prompt;
  EXPECT_NE(told.find("「13_字13.webp」を保存できません。"), std::string::npos) << told;
  EXPECT_NE(told.find("cannot write 13_字13.webp: File too large"), std::string::npos) << told;
  EXPECT_EQ(told.find(".13_字13.webp."), std::string::npos) << "names the temporary file: " << told;
  EXPECT_EQ(filesHere(), before);  // no temporary file left
}

}  // namespace
}  // namespace sumimai::testing
