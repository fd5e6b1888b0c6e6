// What the export tests share: a small hand-made character, an export of it
// into a scratch folder, and the canvas a drawing leaves after its first n
// calls, replayed from a recording.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/recording/recording_canvas.h"
#include "export/animation_export.h"
#include "test_files.h"

namespace sumimai::testing {

// A stroke file of three strokes: two crossing bars and a hook.
std::string smallCharacterFile();

// That character as a source of strokes.
StrokeSource smallCharacter();

// An export of the characters at this size over a plain white ground, black
// ink, Speed 0.
ExportRequest requestFor(const std::vector<StrokeSource>& characters, PictureSize size, const std::string& output,
                         WritingDirection direction = WritingDirection::Columns);

// Every call the export's drawing makes, with the canvas size of each cell.
struct RecordedDrawing {
  std::vector<CanvasCall> calls;
  SizeF canvas;
};
RecordedDrawing recordDrawing(const ExportRequest& request);

// The picture after the first n calls of a one-cell drawing, composed over
// the ground as the exporter composes.
RgbImage pictureAfter(const RecordedDrawing& drawing, std::size_t n, const RgbImage& ground);

// How many calls a frame at `index` shows: those up to the first whose
// charge reaches its time.
std::size_t callsShownBy(std::int64_t index, int fps, DrawingClock::Duration cost);

// The frames at `fps` that cover `length` (a drawing and its hold), at least
// one; and the time frame `index` begins, in units of 1 / unitsPerSecond
// seconds, to the nearest unit. Worked out in floating point, apart from the
// exporter's own integer arithmetic, so that the two check each other.
std::int64_t framesCovering(DrawingClock::Duration length, int fps);
std::int64_t frameTime(std::int64_t index, int fps, int unitsPerSecond);

// Whether two pictures are the same; on a difference, where the first is.
::testing::AssertionResult samePicture(const RgbImage& a, const RgbImage& b);

}  // namespace sumimai::testing
