// A window's canvas for tests: it records every drawing call and every
// picture it is given, and stands in for the picture operations.
#pragma once

#include <string>
#include <vector>

#include "drawing/recording/recording_canvas.h"
#include "window/canvas_control.h"

namespace sumimai {

class RecordingCanvasControl : public CanvasControl, public CallRecorder {
 public:
  explicit RecordingCanvasControl(std::string name = "Picture1") : CanvasControl(std::move(name)) {}

  void setPicture(const Picture& picture) override;
  const Picture& picture() const override { return picture_; }
  // A picture of the canvas's size in logical pixels, holding nothing.
  Picture capture() override;
  // Writes a stand-in file that can be loaded back, unless failSave.
  PictureSave savePicture(const std::string& path) override;

  std::vector<std::string> savedFiles;  // paths given to savePicture
  bool failSave = false;                // savePicture then fails

 private:
  Picture picture_;
};

}  // namespace sumimai
