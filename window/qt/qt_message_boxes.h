// Modal message boxes through QMessageBox, with the button sets and answers
// of the Windows numbering.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "window/message_boxes.h"

namespace sumimai {

// One button of a style: its text and the answer it gives.
struct MessageBoxButton {
  const char* text;
  int answer;
};

// The buttons of a style, left to right, and the answer when the box is
// closed without one (Cancel where there is one, OK for an OK box, No for
// Yes/No). An unknown style is shown as an OK box.
struct MessageBoxButtons {
  std::vector<MessageBoxButton> buttons;
  int closeAnswer;
};
MessageBoxButtons messageBoxButtons(int style);

class QtMessageBoxes : public MessageBoxes {
 public:
  // Boxes are centred on the parent's window while there is one.
  void setParent(QWidget* parent) { parent_ = parent; }
  int show(const std::string& prompt, const std::string& title, int style) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace sumimai
