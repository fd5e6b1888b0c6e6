#include "drawing_setup.h"

#include "renderer/window_canvas.h"

namespace sumimai::fuzz {

DrawingSetup setupFor(std::size_t inputSize) {
  constexpr SizeF kForms[] = {{28800, 16200}, {10845, 6240}, {1500, 900}, {0, 0}};
  constexpr double kSpeeds[] = {0, 1, 2.5, -3};
  SizeF form = kForms[inputSize % 4];
  return {form, canvasOfWindow(form), kSpeeds[(inputSize / 4) % 4]};
}

}  // namespace sumimai::fuzz
