#include "trace_runs.h"

#include "data_files/file_paths.h"
#include "data_files/stroke_file.h"
#include "renderer/drawability.h"
#include "renderer/drawing_sequence.h"
#include "renderer/window_canvas.h"

namespace sumimai {
namespace {

// A file that could not be read whole, as "FILE / what is wrong".
void keepProblem(const std::filesystem::path& file, const StrokeFileRead& read, TraceResult& result) {
  if (read.ok()) return;
  const std::string problem =
      read.status == StrokeFileStatus::Missing ? OpenedFile{}.problem() : read.problem;
  result.messages.push_back(file.string() + " / " + problem);
}

// A table whose records the fitting shrinks to nothing draws a blank.
void keepBlank(const std::filesystem::path& file, const Drawability& drawable, TraceResult& result) {
  if (drawable.visible) return;
  result.blank = true;
  result.messages.push_back(file.string() + " / " + drawable.problem());
}

}  // namespace

TraceResult traceCharacter(const std::filesystem::path& file, SizeF canvas, double speed,
                           const InkColour& ink, Canvas& recorder) {
  TraceResult result;
  recorder.setSize(canvas);
  StrokeTable table{};
  keepProblem(file, readStrokeFile(file, table, result.StrokeCount), result);
  keepBlank(file, drawabilityOf(table, result.StrokeCount, canvas), result);
  drawCharacter(table, {recorder, windowOfCanvas(canvas)}, speed, ink,
                {result.CurrentThickness, result.StrokeCount});
  return result;
}

TraceResult tracePage(const std::filesystem::path& file, SizeF form, const InkColour& ink,
                      Canvas& recorder) {
  TraceResult result;
  recorder.setSize(canvasOfWindow(form));
  PageStrokeTable table;
  keepProblem(file, readPageFile(file, table, result.StrokeCount), result);
  keepBlank(file, drawabilityOf(table, result.StrokeCount, recorder.outerSize()), result);
  const GridBox grid = fitPage(table, result.StrokeCount, {recorder, form});
  DrawSettings settings{0, ink.red, ink.green, ink.blue};
  InkColour drawn = ink;
  drawFittedPage(table, grid, recorder, settings, drawn, {result.CurrentThickness, result.StrokeCount});
  return result;
}

}  // namespace sumimai
