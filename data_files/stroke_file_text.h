// Writing stroke files (the character's and the page's): the text that
// readStrokeFile and readPageFile (stroke_file.h) read back record for record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "stroke_table.h"

namespace sumimai {

// A coordinate or thickness in file units as a stroke file holds it: the
// nearest whole number (halves away from zero), and 1 for anything below 1,
// since 0 stands for an absent value to the fitting steps.
std::int32_t strokeFileValue(double fileUnits);

// The text of a stroke file: the header item, then one line per record
// "n,StartX,StartY,EndX,EndY,Kind,Thickness,,,," numbered from 1, then the
// end mark (StrokeTerminator) on two lines; every line ends in CR LF. The
// header must be ASCII without commas or quotes, so that it stays one item.
std::string strokeFileText(std::string_view header, const std::vector<StrokeRecord>& records);

}  // namespace sumimai
