#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt_test_support.h"
#include "window/qt/qt_message_boxes.h"

namespace sumimai {
namespace {

std::vector<std::string> texts(const MessageBoxButtons& set) {
  std::vector<std::string> out;
  for (const MessageBoxButton& b : set.buttons) out.push_back(b.text);
  return out;
}

TEST(MessageBoxes, EachStyleHasItsButtonsAnswersAndCloseAnswer) {
  using namespace MessageBoxAnswer;
  MessageBoxButtons ok = messageBoxButtons(MessageBoxStyle::kOk);
  EXPECT_EQ(texts(ok), (std::vector<std::string>{"OK"}));
  EXPECT_EQ(ok.closeAnswer, kOk);
  MessageBoxButtons yesNo = messageBoxButtons(MessageBoxStyle::kYesNo);
  EXPECT_EQ(texts(yesNo), (std::vector<std::string>{"はい", "いいえ"}));
  EXPECT_EQ(yesNo.buttons[0].answer, kYes);
  EXPECT_EQ(yesNo.buttons[1].answer, kNo);
  EXPECT_EQ(yesNo.closeAnswer, kNo);
  MessageBoxButtons three = messageBoxButtons(MessageBoxStyle::kCancelTryAgainContinue);
  EXPECT_EQ(texts(three), (std::vector<std::string>{"キャンセル", "再試行", "続行"}));
  EXPECT_EQ(three.buttons[1].answer, kTryAgain);
  EXPECT_EQ(three.buttons[2].answer, kContinue);
  EXPECT_EQ(three.closeAnswer, kCancel);
}

// Answers the box that opens next: presses the button with this text, or
// closes the box when text is empty; records the prompt and title shown.
void answerNextBox(const QString& text, QString& prompt, QString& title) {
  QTimer::singleShot(0, [=, &prompt, &title] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    prompt = box->text();
    title = box->windowTitle();
    if (text.isEmpty()) return (void)box->close();
    for (QAbstractButton* b : box->buttons())
      if (b->text() == text) return b->click();
  });
}

TEST(MessageBoxes, TheBoxShowsPromptAndTitleAndReturnsTheButtonPressed) {
  testing::ensureQtApplication();
  QtMessageBoxes boxes;
  QString prompt, title;
  answerNextBox("続行", prompt, title);
  EXPECT_EQ(boxes.show("Sumimaiを終了します。お疲れ様でした。", "終了", 6), MessageBoxAnswer::kContinue);
  EXPECT_EQ(prompt.toStdString(), "Sumimaiを終了します。お疲れ様でした。");
  EXPECT_EQ(title.toStdString(), "終了");
  answerNextBox("はい", prompt, title);
  EXPECT_EQ(boxes.show("不在文字を通知しますか？", "不在文字通知確認", 4), MessageBoxAnswer::kYes);
}

TEST(MessageBoxes, ClosingTheBoxAnswersCancelOkOrNo) {
  testing::ensureQtApplication();
  QtMessageBoxes boxes;
  QString prompt, title;
  answerNextBox("", prompt, title);
  EXPECT_EQ(boxes.show("p", "t", 6), MessageBoxAnswer::kCancel);
  answerNextBox("", prompt, title);
  EXPECT_EQ(boxes.show("p", "t", 0), MessageBoxAnswer::kOk);
  answerNextBox("", prompt, title);
  EXPECT_EQ(boxes.show("p", "t", 4), MessageBoxAnswer::kNo);
}

}  // namespace
}  // namespace sumimai
