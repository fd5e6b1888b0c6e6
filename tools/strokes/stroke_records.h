// Brush paths as stroke records and stroke files: each stroke is a Kind 1
// record of no length at its first point, carrying the start radius, then a
// Kind 2 record to each further point with the radius there.
#pragma once

#include <string>
#include <vector>

#include "brush_trace.h"
#include "data_files/stroke_table.h"

namespace sumimai::strokes {

// Where source units land in the file: file = source * scale + offset.
struct Placement {
  double scale = 10;
  Point2 offset;
};

// The records of the strokes in order. Values are rounded to whole file
// units; a coordinate or radius that would be 0 or less becomes 1, since 0
// means absent to the fitting steps.
std::vector<StrokeRecord> strokeRecords(const std::vector<BrushPath>& strokes, const Placement& placement);

// The text of a stroke file: the header item, then one line per record
// "n,StartX,StartY,EndX,EndY,Kind,Thickness,,,,", then two lines "99999";
// every line ends in CR LF. The header must be ASCII without commas or quotes.
std::string strokeFileText(const std::string& header, const std::vector<StrokeRecord>& records);

}  // namespace sumimai::strokes
