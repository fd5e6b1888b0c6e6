// The figures of the pacing report: how many canvas calls a drawing makes
// and how much time the drawing clock charges for them, on a 1920 x 1080
// screen (the main window's size; the canvas reaches 30 twips beyond it).
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>

#include "drawing/canvas.h"
#include "core/geometry.h"
#include "renderer/window_canvas.h"

namespace sumimai {

inline constexpr SizeF kScreenTwips{1920 * 15, 1080 * 15};
inline constexpr SizeF kCanvasTwips = canvasOfWindow(kScreenTwips);

struct ChargedDrawing {
  std::uint64_t calls = 0;
  std::chrono::nanoseconds charged{0};
  double seconds() const { return std::chrono::duration<double>(charged).count(); }
};

// One character's pipeline (load, fit, clear, 描画) at a Speed, drawn on
// canvas with its clock at callCost.
ChargedDrawing chargeCharacter(const std::filesystem::path& file, double speed, Canvas& canvas,
                               std::chrono::nanoseconds callCost);

// One start-up pause (20000 off-canvas circles).
ChargedDrawing chargePause(Canvas& canvas, std::chrono::nanoseconds callCost);

// The whole page: its grid and 描画2.
ChargedDrawing chargePage(const std::filesystem::path& file, Canvas& canvas, std::chrono::nanoseconds callCost);

}  // namespace sumimai
