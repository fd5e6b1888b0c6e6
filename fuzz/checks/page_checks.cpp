#include <cmath>
#include <memory>

#include "call_bounds.h"
#include "checked_canvas.h"
#include "core/page_grid.h"
#include "data_files/folder_files.h"
#include "drawing_setup.h"
#include "renderer/drawing_sequence.h"
#include "renderer/fitting.h"
#include "scratch_file.h"
#include "stroke_checks.h"
#include "table_rules.h"

namespace sumimai::fuzz {
namespace {

// The page's tables are almost a megabyte each: made once, reused by every run.
struct PageTables {
  PageStrokeTable loaded, reused, fitted;
};

bool finite(const PageStrokeRecord& r) {
  return std::isfinite(r.StartX) && std::isfinite(r.StartY) && std::isfinite(r.EndX) &&
         std::isfinite(r.EndY) && std::isfinite(r.Thickness);
}

bool finite(const GridBox& g) {
  return std::isfinite(g.GridLeft) && std::isfinite(g.GridTop) && std::isfinite(g.GridRight);
}

// Reads the page into a fresh table and again over one full of an earlier
// page's records; both must give the same table.
StrokeCountValue checkedLoad(const std::filesystem::path& path, PageTables& t, Problems& problems) {
  StrokeCountValue count, reusedCount = 42;
  t.loaded[0] = {};  // the loader clears slots 1..20000 itself
  for (int i = 0; i < PageStrokeTable::size(); ++i) t.reused[i] = {7, 7, 7, 7, 7, 7};
  StrokeFileRead read = readPageFile(path, t.loaded, count);
  checkLoadedTable<PageStrokeTable, PageStrokeRecord>(t.loaded, count, read, kPageSlots, problems);
  (void)readPageFile(path, t.reused, reusedCount);
  expect(problems, count == reusedCount && sameSlots(t.loaded, t.reused, 1, kPageSlots),
         "a load over an earlier page differs from a load into a fresh one");
  return count;
}

void checkFitting(PageTables& t, const StrokeCountValue& count, GridBox& grid, const DrawingSetup& setup,
                  Problems& problems) {
  t.fitted = t.loaded;
  拡大縮小(t.fitted, count, grid, setup.canvas);
  int end = firstEndMark(t.fitted, kPageSlots);
  expect(problems, end == slotOf(count), "scaling leaves the end mark elsewhere than at the count");
  checkFittedTable(t.loaded, t.fitted, end, true, problems);
  t.reused = t.fitted;
  補正(t.fitted, count, grid, setup.form);
  checkFittedTable(t.reused, t.fitted, end, false, problems);
  bool allFinite = finite(grid);
  for (int i = 1; i < end && allFinite; ++i) allFinite = finite(t.fitted[i]);
  expect(problems, allFinite, "a fitted value or the grid box is not finite");
}

void checkDrawing(const PageStrokeTable& table, const StrokeCountValue& loadedCount, const GridBox& grid,
                  const DrawingSetup& setup, Problems& problems) {
  CheckedCanvas canvas(setup.canvas);
  constexpr std::uint64_t gridCalls = kPageColumns + kPageRows + 1;  // the lines and the box
  const DrawSettings settings{setup.Speed, 12.5, 300, -1};
  InkColour ink{160, 140, 50};
  double thickness = 0;
  StrokeCountValue count = loadedCount;
  drawFittedPage(table, grid, canvas, settings, ink, {thickness, count});
  expect(problems, count == firstEndMark(table, kPageSlots),
         "the page drawing does not stop at the end mark");
  expect(problems, ink.red == 12.5 && ink.green == 300 && ink.blue == -1,
         "the page drawing leaves another ink");
  expect(problems, canvas.drawingCalls() - gridCalls <= pageCallBound(table, setup.canvas),
         "the page drawing makes more canvas calls than its table allows");
  canvas.report(problems);
}

}  // namespace

Problems checkPageFile(std::string_view bytes) {
  static const std::unique_ptr<PageTables> tables = std::make_unique<PageTables>();
  Problems problems;
  StrokeCountValue count = checkedLoad(writeScratchFile(kPageStrokeFile, bytes), *tables, problems);
  if (!problems.empty()) return problems;
  DrawingSetup setup = setupFor(bytes.size());
  GridBox grid = kPageGridBox;
  checkFitting(*tables, count, grid, setup, problems);
  if (problems.empty()) checkDrawing(tables->fitted, count, grid, setup, problems);
  return problems;
}

}  // namespace sumimai::fuzz
