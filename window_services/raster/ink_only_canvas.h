// A raster canvas with ink only, for tools, benchmarks and tests: setting a
// picture clears the ink and keeps the picture as a value; there is nothing
// to capture, and saving tells why it cannot.
#pragma once

#include "raster_canvas.h"

namespace sumimai {

class InkOnlyCanvas : public RasterCanvas {
 public:
  explicit InkOnlyCanvas(std::string name = "Picture1", double devicePixelsPerTwip = 1.0 / kTwipsPerPixel)
      : RasterCanvas(std::move(name), devicePixelsPerTwip) {}

  void setPicture(const Picture& picture) override {
    picture_ = picture;
    ink().clear();
  }
  const Picture& picture() const override { return picture_; }
  Picture capture() override { return {}; }
  PictureSave savePicture(const std::string&) override { return {false, "このキャンバスの絵は保存できません。"}; }

 private:
  Picture picture_;
};

}  // namespace sumimai
