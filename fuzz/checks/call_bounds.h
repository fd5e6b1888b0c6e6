// How many canvas calls a drawing may make, worked out from the table alone:
// the drawing cost of each record (start disc, brush steps, pacing rings,
// pen-lift and stroke-start pauses), with every count of steps, rings or
// pause units held to the canvas's step limit and Speed held to 0..100.
#pragma once

#include <cstdint>

#include "data_files/stroke_table.h"
#include "core/geometry.h"

namespace sumimai::fuzz {

// 描画 of table at Speed on a canvas of outer size canvas.
std::uint64_t brushCallBound(const StrokeTable& table, double Speed, SizeF canvas);

// 描画2 of the page on a canvas of outer size canvas.
std::uint64_t pageCallBound(const PageStrokeTable& table, SizeF canvas);

}  // namespace sumimai::fuzz
