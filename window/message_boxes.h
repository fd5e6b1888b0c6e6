// Modal message boxes, with the styles and answers of the Windows numbering
// that the programs' texts were written for.
#pragma once

#include <string>

namespace sumimai {

namespace MessageBoxStyle {
constexpr int kOk = 0;
constexpr int kYesNo = 4;
constexpr int kCancelTryAgainContinue = 6;
}  // namespace MessageBoxStyle

namespace MessageBoxAnswer {
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kYes = 6;
constexpr int kNo = 7;
constexpr int kTryAgain = 10;
constexpr int kContinue = 11;
}  // namespace MessageBoxAnswer

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a modal box and returns the button pressed (closing the box counts
  // as Cancel where there is one, as OK for a box with only OK).
  virtual int show(const std::string& prompt, const std::string& title, int style) = 0;
};

}  // namespace sumimai
