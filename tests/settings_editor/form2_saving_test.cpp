// What "登　　録" writes to 設定.dat, byte for byte, and that every other way
// out of the window, and a save that fails, leave the file as it was.
#include <gtest/gtest.h>

#include "form2_fixture.h"

namespace sumimai::testing {
namespace {

constexpr char kSaved[] = " 3\r\n 10 \r\n 0 \r\n 30 \r\n";

TEST_F(Form2Test, SavingWritesTheSpeedDisplayAndThreeComponentsInPrintForm) {
  activateWith(kSaved);
  form2.Text3.setText("0.5");  // the bar stays at 0, so green keeps its fraction
  form2.Text2.setText("12");
  form2.Text2.setText("12.4");  // the bar already stands at 12
  form2.HScroll4.setValue(256);
  form2.Command1_Click();
  EXPECT_EQ(settingsBytes(), " 3\r\n 12.4 \r\n .5 \r\n 256 \r\n");
  EXPECT_TRUE(form2.form.ended());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2Test, AfterTheSpeedBarMovesTheSpeedLineLosesItsBlank) {
  activateWith(kSaved);
  form2.speed1.setValue(7);
  form2.Command1_Click();
  EXPECT_EQ(settingsBytes(), "7\r\n 10 \r\n 0 \r\n 30 \r\n");
}

TEST_F(Form2Test, ValuesTheBarsCouldNotTakeAreSavedAsTheyStand) {
  activateWith(".4\r\n 256 \r\n 0 \r\n 0 \r\n");
  form2.Text2.setText("300");   // the bar stays at 256
  form2.Text3.setText("-2.75");  // the bar stays at 0
  form2.Text4.setText("1e20");  // the bar moves to 256 and sets blue to 256
  form2.Command1_Click();
  EXPECT_EQ(settingsBytes(), " .4\r\n 300 \r\n-2.75 \r\n 256 \r\n");
}

TEST_F(Form2Test, CancelAndTheCloseButtonLeaveTheFileAsItWas) {
  activateWith(kSaved);
  form2.HScroll2.setValue(200);
  form2.speed1.setValue(9);
  form2.Command2_Click();
  EXPECT_TRUE(form2.form.ended());
  EXPECT_EQ(settingsBytes(), kSaved);

  // The close button ends the window through the window system alone.
  Form2 other{Form2Services{preview, messages}};
  other.form.onActivate();
  other.Text2.setText("1");
  other.form.end();
  EXPECT_EQ(settingsBytes(), kSaved);
}

TEST_F(Form2Test, WithoutAFileSavingCreatesIt) {
  activate();
  ASSERT_EQ(messages.shown.size(), 1u);
  form2.Text2.setText("5");
  form2.Command1_Click();
  EXPECT_EQ(settingsBytes(), " 0\r\n 5 \r\n 0 \r\n 0 \r\n");
  EXPECT_TRUE(form2.form.ended());
}

TEST_F(Form2Test, AFailedSaveKeepsTheOldFileAndTheWindowWithWhatWasTyped) {
  activateWith(kSaved);
  form2.Text2.setText("123.25");
  {
    FileSizeLimit full(4);
    form2.Command1_Click();
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].prompt.find("設定.dat を保存できません"), std::string::npos);
  EXPECT_FALSE(form2.form.ended());
  EXPECT_EQ(settingsBytes(), kSaved);
  EXPECT_EQ(form2.Text2.text(), " 123");  // the bar moved to 123, rewriting the text
  EXPECT_EQ(form2.red, 123);

  // Once there is room again, the same click saves and closes.
  form2.Command1_Click();
  EXPECT_EQ(settingsBytes(), " 3\r\n 123 \r\n 0 \r\n 30 \r\n");
  EXPECT_TRUE(form2.form.ended());
}

TEST_F(Form2Test, ASaveIntoAFolderThatCannotTakeTheFileIsReported) {
  std::filesystem::create_directories("設定.dat/inside");
  activate();  // reported as unreadable, then started from speed 0 and black
  form2.Command1_Click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[1].prompt.find("設定.dat"), std::string::npos);
  EXPECT_FALSE(form2.form.ended());
  EXPECT_TRUE(std::filesystem::is_directory("設定.dat/inside"));
}

}  // namespace
}  // namespace sumimai::testing
