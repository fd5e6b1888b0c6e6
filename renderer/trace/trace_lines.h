// The text lines the trace tool prints for canvas calls: one line a call,
// positions and radii in the shortest form that reads back to the same float.
#pragma once

#include <string>

#include "data_files/stroke_table.h"
#include "drawing/recording/recording_canvas.h"

namespace sumimai {

// "ring X Y R RED GREEN BLUE", "rect X1 Y1 X2 Y2 RED GREEN BLUE" (an outline;
// a filled one is "fill ..."), "line X1 Y1 X2 Y2 RED GREEN BLUE", or "clear"
// (the canvas wiped; "picture" when a window's canvas was given a picture).
std::string traceLine(const CanvasCall& call);

// "state StrokeCount=N CurrentThickness=V", N "unset" while never set.
std::string stateLine(const StrokeCountValue& count, double currentThickness);

// The shortest decimal text that reads back to the same value.
std::string shortest(float value);
std::string shortest(double value);

}  // namespace sumimai
