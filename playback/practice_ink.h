// The ink of a character being practised in its cell: the model faint
// beneath, the strokes kept (the learner's and those written for the
// learner in the model's ink) and the stroke being written, each laid by
// the chosen brush. What was kept is remembered in the source box, so the
// cell can be drawn again at another size.
#pragma once

#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "drawing/ink_brush/brush_choice.h"
#include "export/rgb_image.h"
#include "learner_pen.h"
#include "practice_cell.h"

namespace sumimai {

struct PracticeInkStyle {
  Rgb ink{0, 0, 0};
  Rgb ghost{230, 230, 230};
  BrushChoice brush;
  bool operator==(const PracticeInkStyle&) const = default;
};

class PracticeInk {
 public:
  PracticeInk(const CharacterStrokes& strokes, PictureSize cell, double pixelsPerTwip, PracticeInkStyle style);
  ~PracticeInk();

  const CellFit& fit() const { return fit_; }
  PictureSize cell() const { return cell_; }

  // The stroke being written, readings in cell pixels.
  void penDown(const PenSample& sample);
  void penMove(const PenSample& sample);
  bool writing() const { return current_ != nullptr; }
  // The stroke ends: its path in the source box; it waits to be kept or
  // refused.
  std::vector<PointF> penUp();
  // The stroke that ended stays.
  void keep();
  // The stroke that ended goes: its ink alone (premultiplied, transparent
  // elsewhere), for it to fade.
  RgbImage refuse();
  // A stroke of the model (from 0) written in the model's ink.
  void writeModelStroke(int stroke);

  // The pixels changed since the last call (cell pixels), then none.
  PixelRect takeDirty();
  // The ghost (when asked), the kept ink and the stroke being written over
  // pixels (premultiplied ARGB, the cell's size, rows `stride` apart) within rect.
  void compositeOnto(std::uint32_t* pixels, std::ptrdiff_t stride, PixelRect rect, bool ghost) const;

  // The same strokes drawn in a cell of another size, or in another style.
  std::unique_ptr<PracticeInk> redrawnAt(PictureSize cell, double pixelsPerTwip, PracticeInkStyle style) const;
  const PracticeInkStyle& style() const { return style_; }

 private:
  class Canvas;
  struct Written {
    std::vector<PenSample> samples;  // in the source box
  };
  using Kept = std::variant<Written, int>;  // the learner's stroke, or a model stroke
  std::unique_ptr<Canvas> newCanvas() const;
  void keepInk(Canvas& canvas);
  void widen(PixelRect rect);
  PenSample inSource(const PenSample& sample) const;

  const CharacterStrokes* strokes_;
  PictureSize cell_;
  double pixelsPerTwip_;
  PracticeInkStyle style_;
  Framing framing_;
  CellFit fit_;
  PenWidths widths_;
  RgbImage ghost_, kept_;
  std::unique_ptr<Canvas> current_;
  std::unique_ptr<LearnerStroke> stroke_;
  std::vector<PenSample> samples_;  // of the stroke being written, cell pixels
  std::vector<Kept> history_;
  PixelRect dirty_;
};

}  // namespace sumimai
