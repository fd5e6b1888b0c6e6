// Whether a loaded table leaves anything to see once it is fitted to a
// canvas. Fitting scales every record by one factor, so a single value that
// is absurd for a drawing (a coordinate or a thickness of two thousand
// million, inside the 32-bit range a file may hold) shrinks all the others
// to nothing, and the drawing comes out blank.
#pragma once

#include <cstdint>
#include <string>

#include "core/geometry.h"
#include "data_files/stroke_table.h"

namespace sumimai {

struct [[nodiscard]] Drawability {
  bool visible = true;
  int record = 0;          // when not visible: the record whose value sets the scale
  std::int64_t value = 0;  // that value
  // What is wrong, in Japanese, naming the record and its value.
  std::string problem() const;
};

// The character's table as loaded, to be fitted to the canvas: not visible
// when the factor that its largest value forces shrinks all the other drawn
// records below a pixel. A table with nothing else to draw counts as
// visible (an empty table is not this fault).
Drawability drawabilityOf(const StrokeTable& loaded, const StrokeCountValue& StrokeCount, SizeF canvas);

// The same for the page.
Drawability drawabilityOf(const PageStrokeTable& loaded, const StrokeCountValue& StrokeCount, SizeF canvas);

}  // namespace sumimai
