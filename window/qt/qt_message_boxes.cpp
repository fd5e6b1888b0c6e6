#include "qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <map>

namespace sumimai {

MessageBoxButtons messageBoxButtons(int style) {
  using namespace MessageBoxAnswer;
  switch (style) {
    case MessageBoxStyle::kYesNo:
      return {{{"はい", kYes}, {"いいえ", kNo}}, kNo};
    case MessageBoxStyle::kCancelTryAgainContinue:
      return {{{"キャンセル", kCancel}, {"再試行", kTryAgain}, {"続行", kContinue}}, kCancel};
    default:
      return {{{"OK", kOk}}, kOk};
  }
}

namespace {

// Gives the keyboard focus back to where it was before a box opened (or to
// the box's parent window): without a window manager, and with some, the
// focus would otherwise stay with the box that has gone, and keys would go
// nowhere until the window is clicked.
void giveFocusBack(QWidget* before, QWidget* parent) {
  QWidget* target = before ? before : parent;
  if (!target || !target->isVisible()) return;
  target->window()->activateWindow();
  target->setFocus(Qt::OtherFocusReason);
}

}  // namespace

int QtMessageBoxes::show(const std::string& prompt, const std::string& title, int style) {
  QPointer<QWidget> focusBefore = QApplication::focusWidget();
  MessageBoxButtons set = messageBoxButtons(style);
  QMessageBox box(parent_);
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowTitle(QString::fromStdString(title));
  box.setText(QString::fromStdString(prompt));
  std::map<QAbstractButton*, int> answers;
  QAbstractButton* closeButton = nullptr;
  for (const MessageBoxButton& b : set.buttons) {
    QPushButton* button = box.addButton(QString::fromUtf8(b.text), QMessageBox::ActionRole);
    answers[button] = b.answer;
    if (b.answer == set.closeAnswer) closeButton = button;
  }
  // Escape and the window's close button press this one.
  box.setEscapeButton(closeButton);
  box.exec();
  giveFocusBack(focusBefore, parent_);
  auto found = answers.find(box.clickedButton());
  return found == answers.end() ? set.closeAnswer : found->second;
}

}  // namespace sumimai
