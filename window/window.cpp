#include "window.h"

namespace sumimai {

void Window::setMousePointer(int pointer) {
  if (pointer == pointer_) return;
  pointer_ = pointer;
  notify(ControlChange::Pointer);
}

void Window::end(int status) {
  if (ended_) return;
  ended_ = true;
  exitStatus_ = status;
  notify(ControlChange::Ended);
}

}  // namespace sumimai
