#include "trace_runs.h"

#include "data_files/stroke_file.h"
#include "renderer/brush.h"
#include "renderer/clearing.h"
#include "renderer/fitting.h"
#include "renderer/page_drawing.h"
#include "window_services/recording/scripted_message_boxes.h"

namespace sumimai {
namespace {

void keepMessages(const ScriptedMessageBoxes& boxes, TraceResult& result) {
  for (const ShownMessage& m : boxes.shown) result.messages.push_back(m.prompt + " / " + m.title);
}

}  // namespace

TraceResult traceCharacter(const std::filesystem::path& file, SizeF canvas, double speed,
                           const InkColour& ink, Canvas& recorder) {
  TraceResult result;
  Control form("Form1");
  recorder.setGeometry(0, 0, canvas.width, canvas.height);
  form.setGeometry(0, 0, canvas.width - 30, canvas.height - 30);
  StrokeTable table{};
  MissingFileNotice notice = MissingFileNotice::Unset;
  ScriptedMessageBoxes boxes;
  boxes.defaultAnswer = MessageBoxAnswer::kNo;
  loadStrokeFile(file, file.string(), table, result.StrokeCount, notice, boxes);
  拡大縮小2(table, recorder.outerSize());
  補正2(table, result.StrokeCount, recorder.outerSize());
  クリア(recorder);
  描画(table, {recorder, form}, speed, ink, {result.CurrentThickness, result.StrokeCount});
  keepMessages(boxes, result);
  return result;
}

TraceResult tracePage(const std::filesystem::path& file, SizeF form, const InkColour& ink,
                      Canvas& recorder) {
  TraceResult result;
  recorder.setGeometry(0, 0, form.width + 30, form.height + 30);
  PageStrokeTable table;
  StrokeFileRead read = readPageFile(file, table, result.StrokeCount);
  if (!read.ok()) result.messages.push_back(file.string() + " / " + read.problem);
  GridBox grid = kPageGridBox;
  拡大縮小(table, result.StrokeCount, grid, recorder.outerSize());
  補正(table, result.StrokeCount, grid, form);
  クリア(recorder);
  drawPageGrid(recorder, grid);
  DrawSettings settings{0, ink.red, ink.green, ink.blue};
  InkColour drawn = ink;
  描画2(table, recorder, settings, drawn, {result.CurrentThickness, result.StrokeCount});
  return result;
}

}  // namespace sumimai
