#include "recording_canvas.h"

namespace sumimai {

void CallRecorder::record(CanvasCall call) {
  if (!std::holds_alternative<ClearCall>(call)) clock().charge();
  if (onCall) onCall(call);
  if (keepCalls) calls.push_back(std::move(call));
}

void CallRecorder::drawRing(const Ring& ring) {
  ++ringCount;
  record(ring);
}

void CallRecorder::drawLine(PointF from, PointF to, Rgb colour) {
  ++lineCount;
  record(LineCall{from, to, colour});
}

void CallRecorder::drawRectangle(PointF corner1, PointF corner2, Rgb colour) {
  ++rectangleCount;
  record(RectangleCall{corner1, corner2, colour, false});
}

void CallRecorder::fillRectangle(PointF corner1, PointF corner2, Rgb colour) {
  record(RectangleCall{corner1, corner2, colour, true});
}

std::vector<Ring> CallRecorder::rings() const {
  std::vector<Ring> out;
  for (const CanvasCall& call : calls) {
    if (const Ring* ring = std::get_if<Ring>(&call)) out.push_back(*ring);
  }
  return out;
}

void CallRecorder::forgetCalls() {
  calls.clear();
  ringCount = rectangleCount = lineCount = 0;
}

}  // namespace sumimai
