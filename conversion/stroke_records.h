// Brush paths as stroke records. The brush starts a stroke's first segment
// with a disc of the thickness of the record before it, so a stroke either
// begins with a still Kind 1 record (no length, at its first point) that
// sets its own start radius, followed by a Kind 2 record to each further
// point; or, to save that record, with a Kind 1 record to its second point
// that starts from the previous stroke's end radius.
#pragma once

#include <vector>

#include "brush_trace.h"
#include "data_files/stroke_table.h"

namespace sumimai::strokes {

// Where source units land in the file: file = source * scale + offset.
struct Placement {
  double scale = 10;
  Point2 offset;
};

// The records of the strokes in order, their values in whole file units
// (strokeFileValue: a coordinate or radius that would be 0 or less becomes
// 1, since 0 means absent to the fitting steps). strokeFileText
// (data_files/stroke_file_text.h) writes them.
// stillStart tells per stroke whether it begins with a still record (empty:
// all do; a stroke of one point always does).
std::vector<StrokeRecord> strokeRecords(const std::vector<BrushPath>& strokes, const Placement& placement,
                                        const std::vector<bool>& stillStart = {});

}  // namespace sumimai::strokes
