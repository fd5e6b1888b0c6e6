#include "still_picture.h"

#include "frame_canvas.h"

namespace sumimai {
namespace {

class DiscardingWriter : public FrameWriter {
 public:
  void add(const Frame&) override {}
  void finish(std::int64_t) override {}
};

}  // namespace

RgbImage stillPicture(const ExportRequest& request) {
  const PictureSize size = request.composition.picture;
  DiscardingWriter none;
  FrameCanvas canvas(groundImage(request.ground, size.width, size.height), 1, none);
  useRequestBrush(request, canvas.ground(), canvas);
  drawRequest(request, canvas);  // the clock costs nothing: no frame but the first and the last
  canvas.finish({});
  return canvas.takePicture();
}

}  // namespace sumimai
