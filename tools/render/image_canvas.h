// A raster canvas for drawing into an image file: the ink goes into the
// raster's ink layer, and the finished drawing is laid over a background.
// Setting a picture only clears the ink (the tool shows no pictures on the
// canvas itself); there is nothing to capture or save.
#pragma once

#include <QImage>

#include "window_services/raster/raster_canvas.h"

namespace sumimai {

class ImageCanvas : public RasterCanvas {
 public:
  ImageCanvas() : RasterCanvas("Picture1", 1.0 / kTwipsPerPixel) {}

  void setPicture(const Picture& picture) override;
  const Picture& picture() const override { return picture_; }
  Picture capture() override { return {}; }
  PictureSave savePicture(const std::string&) override { return {false, "保存できません。"}; }

  // The ink composited over background, which is stretched to the ink's
  // size; the result is cropped to width x height pixels from the top left.
  QImage composite(const QImage& background, int width, int height);

 private:
  Picture picture_;
};

}  // namespace sumimai
