// The learner's trace as JSON, and the judgement written back as JSON:
//   {"character": "永", "strokes": [[[x, y], [x, y, t_ms, pressure], ...], ...]}
// each stroke the pointer's path in order, in the character's source box
// (1024 x 1024 units, y downwards); and
//   {"character": "永", "score": 0..100,
//    "strokes": [{"stroke": 1, "ok": true, "problem": null, "matched": 1}, ...],
//    "missing": [3, 4]}
// with strokes counted from 1 and "missing" only when fewer strokes were
// written than the character has.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "grader.h"
#include "path_geometry.h"

namespace sumimai::grading {

// The farthest a point may lie from the box, in source units: anything
// beyond is not a pointer's position in a character's box.
inline constexpr double kFarthestCoordinate = 1e6;

struct Trace {
  std::string character;     // one character, UTF-8
  std::vector<Path> strokes;  // the times and pressures are checked, not kept
};

struct [[nodiscard]] TraceRead {
  Trace trace;
  std::string problem;  // a sentence naming what is wrong and where; empty when read
  bool ok() const { return problem.empty(); }
};

// Reads a trace: an object with "character" (a string of one character) and
// "strokes" (an array of strokes, each a non-empty array of points, each an
// array of 2 or 4 finite numbers); other members are ignored.
TraceRead readTrace(std::string_view json);

// The judgement as one line of JSON (no line end).
std::string judgementJson(std::string_view character, const Grading& grading);

}  // namespace sumimai::grading
