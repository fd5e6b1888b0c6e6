// The canvas an animation is drawn on: an ink raster the size of one
// character's canvas (or the page's), placed on the picture. Every drawing
// call is charged to its clock, and after each call the canvas hands the
// writer every frame whose time the clock has reached: frame k, at k / fps
// seconds, shows the drawing after the call whose charge first reaches that
// time, as a window presents after the call that has run the clock a frame
// ahead (window/pacer.h), without waiting for real time. Only the pixels the
// calls changed are composed, once each.
//
// For a writer that reads rows (a video encoder, which keeps the picture in
// its own planes) the canvas keeps no picture: it composes the rows the
// writer reads from the ground and the ink. A window placed apart from the
// windows before it (the next cell of a composition) lets the earlier ink
// go, as the writer holds it and later frames change only within the new
// window: the changes not yet handed over go to the writer ahead of their
// frame, and only the earlier ink on a window's outermost pixels stays (a
// writer may read one pixel beyond a changed rectangle). So a video of any
// number of characters holds no copy of the picture beside the ink and the
// encoder's. A window over the first one (the same cell drawn again) makes
// the canvas keep the picture from then on; one over a window whose ink
// has gone cannot be composed, and throws std::logic_error (cells never
// overlap).
#pragma once

#include <cstdint>
#include <vector>

#include "drawing/raster/ink_only_canvas.h"
#include "frame_writer.h"
#include "rgb_image.h"
#include "writing/cell_drawing.h"

namespace sumimai {

class FrameCanvas : public InkOnlyCanvas, public CellCanvas, private PictureRows {
 public:
  // ground is the picture's size; the picture starts as the ground. A ground
  // of one colour is kept as that colour alone.
  FrameCanvas(RgbImage ground, int fps, FrameWriter& writer);

  // The next drawing's canvas: this size (twips), its window covering
  // `window` of the picture (which lies within the picture) with the ink's
  // pixel (0, 0) at its corner. Calls draw only within the window. What was drawn before stays in the picture
  // (a brush's settling ink settled first). Hands over the frames already due (frame 0 at the first placing).
  void place(SizeF canvas, PixelRect window) override;

  // Hands over the frames whose time the clock has reached.
  void emitDueFrames();

  // Hands over the remaining frames, through `hold` past the time charged (at
  // least one frame shows the finished drawing, its settling ink settled),
  // and finishes the writer.
  // Returns how many frames there were.
  std::int64_t finish(DrawingClock::Duration hold);

  // What the frames show, when the canvas keeps it (not while it composes
  // rows for the writer).
  const RgbImage& picture() const { return picture_; }
  // The ground as a picture; empty for a ground of one colour when the
  // canvas composes rows.
  const RgbImage& ground() const { return ground_.pixels.empty() ? picture_ : ground_; }
  RgbImage takePicture() { return std::move(picture_); }
  int fps() const { return fps_; }

 protected:
  void afterDrawingCall() override { emitDueFrames(); }

 private:
  void composeChanges();
  void emitFrame();
  void restoreGround(PixelRect area);
  void keepPicture();
  void leaveWindow(PixelRect next);
  void keepEdges();
  // The rows of the picture composed from the ground and the ink (PictureRows).
  const std::uint32_t* row(int y, int left, int right, std::uint32_t* scratch) const override;

  RgbImage ground_;  // empty when the ground is one colour
  std::uint32_t plainGround_ = 0;
  PixelRect bounds_;  // the picture's
  bool composesRows_;  // no picture kept: the writer reads composed rows
  bool placed_ = false;
  const InkLayer* shownInk_ = nullptr;  // the ink of the frame being handed over
  RgbImage picture_;
  PixelRect window_;
  PixelRect windowInk_;  // the picture pixels the present window has changed
  std::vector<PixelRect> earlierWindows_;  // their ink held by the writer alone
  struct Edge {
    PixelRect rect;
    RgbImage pixels;
  };
  std::vector<Edge> edges_;  // earlier ink on their windows' outermost pixels
  PixelRect changed_;  // picture pixels changed since the last frame
  int fps_;
  FrameWriter& writer_;
  std::int64_t next_ = 0;
};

}  // namespace sumimai
