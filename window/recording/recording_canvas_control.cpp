#include "recording_canvas_control.h"

#include <fstream>
#include <memory>

namespace sumimai {
namespace {
class RecordedPicture : public PictureData {};
}  // namespace

void RecordingCanvasControl::setPicture(const Picture& picture) {
  picture_ = picture;
  record(ClearCall{!picture.empty()});
}

Picture RecordingCanvasControl::capture() {
  Picture p;
  p.data = std::make_shared<RecordedPicture>();
  p.pixelWidth = static_cast<int>(width() / kTwipsPerPixel);
  p.pixelHeight = static_cast<int>(height() / kTwipsPerPixel);
  return p;
}

PictureSave RecordingCanvasControl::savePicture(const std::string& path) {
  savedFiles.push_back(path);
  if (failSave) return {"書き込めません。"};
  std::ofstream out(path, std::ios::binary);
  out << "BM";
  if (!out) return {"書き込めません。"};
  return {};
}

}  // namespace sumimai
