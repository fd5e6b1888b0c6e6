// Message boxes for tests: each box shown is recorded and answered from a
// script (OK for an OK box, the default answer otherwise).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "window/message_boxes.h"

namespace sumimai {

struct ShownMessage {
  std::string prompt;
  std::string title;
  int style = 0;
};

class ScriptedMessageBoxes : public MessageBoxes {
 public:
  int show(const std::string& prompt, const std::string& title, int style) override {
    shown.push_back({prompt, title, style});
    if (!answers.empty()) {
      int answer = answers.front();
      answers.pop_front();
      return answer;
    }
    if (style == MessageBoxStyle::kOk) return MessageBoxAnswer::kOk;
    return defaultAnswer;
  }

  std::deque<int> answers;  // used in order, then defaultAnswer
  int defaultAnswer = MessageBoxAnswer::kNo;
  std::vector<ShownMessage> shown;
};

}  // namespace sumimai
