// The main window's canvas Picture1 reaches 30 twips beyond the window on
// the right and at the bottom. Every drawing that stands for a window (a
// cell of an export, a tool's picture) keeps that relation, so that its
// pacing (the pen-lift pauses cross the canvas) is the window's.
#pragma once

#include "core/geometry.h"

namespace sumimai {

inline constexpr float kCanvasBeyondWindow = 30;  // twips

constexpr SizeF canvasOfWindow(SizeF window) {
  return {window.width + kCanvasBeyondWindow, window.height + kCanvasBeyondWindow};
}

constexpr SizeF windowOfCanvas(SizeF canvas) {
  return {canvas.width - kCanvasBeyondWindow, canvas.height - kCanvasBeyondWindow};
}

// A window of whole pixels in twips.
inline SizeF twipsOf(PictureSize pixels) {
  return {static_cast<float>(pixels.width * kTwipsPerPixel), static_cast<float>(pixels.height * kTwipsPerPixel)};
}

}  // namespace sumimai
