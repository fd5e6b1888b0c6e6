#include "pacing_figures.h"

#include "renderer/page_drawing.h"
#include "renderer/trace/trace_runs.h"

namespace sumimai {
namespace {

// Runs draw with the canvas's clock at callCost and returns what it charged.
template <typename Draw>
ChargedDrawing charge(Canvas& canvas, std::chrono::nanoseconds callCost, Draw draw) {
  canvas.clock().setCallCost(callCost);
  std::uint64_t calls = canvas.clock().calls();
  auto charged = canvas.clock().charged();
  draw();
  return {canvas.clock().calls() - calls, canvas.clock().charged() - charged};
}

constexpr InkColour kInk{0, 0, 0};

}  // namespace

ChargedDrawing chargeCharacter(const std::filesystem::path& file, double speed, Canvas& canvas,
                               std::chrono::nanoseconds callCost) {
  return charge(canvas, callCost, [&] { (void)traceCharacter(file, kCanvasTwips, speed, kInk, canvas); });
}

ChargedDrawing chargePause(Canvas& canvas, std::chrono::nanoseconds callCost) {
  canvas.setSize(kCanvasTwips);
  return charge(canvas, callCost, [&] { startUpPause(canvas); });
}

ChargedDrawing chargePage(const std::filesystem::path& file, Canvas& canvas, std::chrono::nanoseconds callCost) {
  return charge(canvas, callCost, [&] { (void)tracePage(file, kScreenTwips, kInk, canvas); });
}

}  // namespace sumimai
