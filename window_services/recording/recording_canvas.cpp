#include "recording_canvas.h"

#include <fstream>
#include <memory>

namespace sumimai {
namespace {
class RecordedPicture : public PictureData {};
}  // namespace

void RecordingCanvas::record(CanvasCall call) {
  clock().charge();
  if (onCall) onCall(call);
  if (keepCalls) calls.push_back(std::move(call));
}

void RecordingCanvas::drawRing(const Ring& ring) {
  ++ringCount;
  record(ring);
}

void RecordingCanvas::drawLine(PointF from, PointF to, Rgb colour) {
  ++lineCount;
  record(LineCall{from, to, colour});
}

void RecordingCanvas::drawRectangle(PointF corner1, PointF corner2, Rgb colour) {
  ++rectangleCount;
  record(RectangleCall{corner1, corner2, colour, false});
}

void RecordingCanvas::fillRectangle(PointF corner1, PointF corner2, Rgb colour) {
  record(RectangleCall{corner1, corner2, colour, true});
}

void RecordingCanvas::setPicture(const Picture& picture) {
  picture_ = picture;
  if (onCall) onCall(PictureCall{picture.source, picture.empty()});
  if (keepCalls) calls.push_back(PictureCall{picture.source, picture.empty()});
}

Picture RecordingCanvas::capture() {
  Picture p;
  p.data = std::make_shared<RecordedPicture>();
  p.source = "";
  p.pixelWidth = static_cast<int>(width() / kTwipsPerPixel);
  p.pixelHeight = static_cast<int>(height() / kTwipsPerPixel);
  return p;
}

PictureSave RecordingCanvas::savePicture(const std::string& path) {
  savedFiles.push_back(path);
  if (failSave) return {false, "書き込めません。"};
  std::ofstream out(path, std::ios::binary);  // a stand-in file, so that it can be loaded back
  out << "BM";
  return {static_cast<bool>(out), ""};
}

std::vector<Ring> RecordingCanvas::rings() const {
  std::vector<Ring> out;
  for (const CanvasCall& call : calls) {
    if (const Ring* ring = std::get_if<Ring>(&call)) out.push_back(*ring);
  }
  return out;
}

}  // namespace sumimai
