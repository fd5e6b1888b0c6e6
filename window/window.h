// A top-level window: its outer size as the window system reports it, its
// mouse pointer, and the end of the program.
#pragma once

#include <functional>
#include <string>

#include "controls.h"

namespace sumimai {

namespace MousePointer {
constexpr int kDefault = 0;
constexpr int kArrow = 1;
constexpr int kSizeAll = 5;  // the four-headed move pointer
}  // namespace MousePointer

class Window : public Control {
 public:
  Window(std::string name, std::string caption)
      : Control(std::move(name)), caption_(std::move(caption)) {}

  const std::string& caption() const { return caption_; }

  // The outer size in twips; the window system sets it (setGeometry) and then
  // raises onResize.
  SizeF outerSize() const { return {width(), height()}; }

  int mousePointer() const { return pointer_; }
  void setMousePointer(int pointer);

  // Ends the program at once: no further event is handled. The status is
  // the program's exit status: 0 for an ordinary end, other values when the
  // program could not do its work.
  void end(int status = 0);
  bool ended() const { return ended_; }
  int exitStatus() const { return exitStatus_; }

  std::function<void()> onResize;
  std::function<void()> onActivate;

 private:
  std::string caption_;
  int pointer_ = MousePointer::kDefault;
  bool ended_ = false;
  int exitStatus_ = 0;
};

}  // namespace sumimai
