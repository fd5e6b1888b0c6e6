// A character practised in a cell: how the cell's pixels and the
// character's source box (1024 x 1024 units, y downwards, the box the
// judge compares strokes in) map onto each other, as the character is
// fitted into the cell, and the brush widths its own strokes are written
// with there.
#pragma once

#include "core/geometry.h"
#include "writing/character_strokes.h"
#include "writing/layout.h"

namespace sumimai {

// One axis: pixels = source * scale + offset.
struct AxisFit {
  double scale = 1;
  double offset = 0;
  bool operator==(const AxisFit&) const = default;
};

class CellFit {
 public:
  // The character fitted into a cell of this size (as drawCharacterInCell
  // fits it), at this many pixels per twip.
  CellFit(const CharacterStrokes& strokes, PictureSize cell, Framing framing, double pixelsPerTwip);

  // A point of the cell (pixels from its corner) in the source box, and back.
  PointF toSource(PointF pixel) const;
  PointF toPixel(PointF source) const;

  // The widest and the mean brush radius of the character's strokes, in twips.
  double widestRadius() const { return widest_; }
  double meanRadius() const { return mean_; }

 private:
  AxisFit x_, y_;
  double widest_ = 0, mean_ = 0;
};

}  // namespace sumimai
