// The window a check draws in and the Speed it draws with.
#pragma once

#include <cstddef>

#include "core/geometry.h"

namespace sumimai::fuzz {

struct DrawingSetup {
  SizeF form;    // the main window's outer size, twips
  SizeF canvas;  // Picture1: the window's canvas (renderer/window_canvas.h)
  double Speed = 0;
};

// Chosen from the input's length, so that a corpus covers a full screen, the
// window as designed, a small and a minimised window, and several speeds
// (whole, fractional, negative), without setting aside any byte of the file.
DrawingSetup setupFor(std::size_t inputSize);

}  // namespace sumimai::fuzz
