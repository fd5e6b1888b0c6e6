#include "stroke_checks.h"

#include "call_bounds.h"
#include "checked_canvas.h"
#include "drawing_setup.h"
#include "renderer/drawability.h"
#include "renderer/drawing_sequence.h"
#include "renderer/fitting.h"
#include "scratch_file.h"
#include "table_rules.h"

namespace sumimai::fuzz {
namespace {

struct Load {
  StrokeTable table{};
  StrokeCountValue count;
};

// Reads the file into a fresh table, and again over a table full of an
// earlier load's records; both must give the same table and the same answer.
Load checkedLoad(const std::filesystem::path& path, Problems& problems) {
  Load fresh, reused;
  StrokeFileRead read = readStrokeFile(path, fresh.table, fresh.count);
  checkLoadedTable<StrokeTable, StrokeRecord>(fresh.table, fresh.count, read, kStrokeSlots, problems);
  expect(problems, read.ok() == read.problem.empty(), "a sound file gives a problem, or a damaged one none");
  reused.table.fill(StrokeRecord{7, 7, 7, 7, 7, 7});
  reused.count = 42;
  StrokeFileRead again = readStrokeFile(path, reused.table, reused.count);
  expect(problems, again.status == read.status && again.problem == read.problem,
         "a load over an earlier table answers otherwise than a load into a fresh one");
  expect(problems, fresh.count == reused.count && sameSlots(fresh.table, reused.table, 1, kStrokeSlots),
         "a load over an earlier table differs from a load into a fresh one");
  return fresh;
}

void checkFitting(Load& l, const DrawingSetup& setup, Problems& problems) {
  const StrokeTable loaded = l.table;
  拡大縮小2(l.table, setup.canvas);
  expect(problems, l.table[kStrokeSlots].StartX == StrokeTerminator,
         "scaling leaves no end mark in slot 100");
  checkFittedTable(loaded, l.table, firstEndMark(l.table, kStrokeSlots), true, problems);
  const StrokeTable scaled = l.table;
  補正2(l.table, l.count, setup.canvas);
  expect(problems, l.table[slotOf(l.count)].StartX == StrokeTerminator,
         "correction leaves no end mark at the count");
  checkFittedTable(scaled, l.table, firstEndMark(l.table, kStrokeSlots), false, problems);
}

// The loaded table drawn as the programs draw it: fitted, cleared, drawn.
// fitted is the table as the fitting steps left it, step by step.
void checkDrawing(const Load& loaded, const Load& fitted, const DrawingSetup& setup, Problems& problems) {
  CheckedCanvas canvas(setup.canvas);
  double thickness = 0;
  Load l = loaded;
  const InkColour ink{300, -5, 12.5};
  const Drawability drawable = drawabilityOf(loaded.table, loaded.count, setup.canvas);
  const int loadedEnd = firstEndMark(loaded.table, kStrokeSlots);
  expect(problems, drawable.visible || (drawable.record >= 1 && (loadedEnd == 0 || drawable.record < loadedEnd)),
         "a table found blank names no record of it");
  drawCharacter(l.table, {canvas, setup.form}, setup.Speed, ink, {thickness, l.count});
  expect(problems, sameSlots(l.table, fitted.table, 0, kStrokeSlots),
         "the drawing sequence fits otherwise than the fitting steps");
  int end = firstEndMark(l.table, kStrokeSlots);
  expect(problems, end != 0 && l.count == end, "the drawing does not stop at the end mark");
  expect(problems, canvas.drawingCalls() <= brushCallBound(l.table, setup.Speed, setup.canvas),
         "the drawing makes more canvas calls than its table allows");
  canvas.report(problems);
}

}  // namespace

Problems checkStrokeFile(std::string_view bytes) {
  Problems problems;
  const Load loaded = checkedLoad(writeScratchFile("fuzz.mem", bytes), problems);
  if (!problems.empty()) return problems;
  DrawingSetup setup = setupFor(bytes.size());
  Load fitted = loaded;
  checkFitting(fitted, setup, problems);
  if (problems.empty()) checkDrawing(loaded, fitted, setup, problems);
  return problems;
}

}  // namespace sumimai::fuzz
