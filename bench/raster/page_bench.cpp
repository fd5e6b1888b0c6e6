// The shipped sutra page as start-up draws it: fitted to a 1920 x 1080 window
// (canvas 28830 x 16230 twips, window 28800 x 16200), then the grid and the
// page's strokes drawn through the raster canvas with no pacing.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "data_files/stroke_file.h"
#include "renderer/clearing.h"
#include "renderer/fitting.h"
#include "renderer/page_drawing.h"
#include "window_services/raster/ink_only_canvas.h"

namespace sumimai::bench {

// The page file: $SUMIMAI_PAGE_FILE, or the one shipped in data/.
std::filesystem::path pageFile() {
  if (const char* path = std::getenv("SUMIMAI_PAGE_FILE")) return std::filesystem::u8path(path);
  return std::filesystem::u8path(SUMIMAI_SOURCE_DIR "/data/般若心経/般若心経.mem");
}

namespace {

struct FittedPage {
  PageStrokeTable table;
  StrokeCountValue count;
  GridBox grid = kPageGridBox;
};

std::unique_ptr<FittedPage> fitPage(const std::filesystem::path& path) {
  auto page = std::make_unique<FittedPage>();
  if (!readPageFile(path, page->table, page->count).ok()) return nullptr;
  拡大縮小(page->table, page->count, page->grid, {28830, 16230});
  補正(page->table, page->count, page->grid, {28800, 16200});
  return page;
}

}  // namespace

void BM_ShippedPage(benchmark::State& state) {
  static const std::unique_ptr<FittedPage> page = fitPage(pageFile());
  if (!page) {
    state.SkipWithError("the page file could not be read");
    return;
  }
  InkOnlyCanvas canvas;
  canvas.setGeometry(0, 0, 28830, 16230);
  DrawSettings settings{0, 160, 140, 50};
  InkColour ink;
  double thickness = 0;
  StrokeCountValue count = page->count;
  for (auto _ : state) {
    クリア(canvas);
    drawPageGrid(canvas, page->grid);
    描画2(page->table, canvas, settings, ink, {thickness, count});
    benchmark::DoNotOptimize(canvas.ink().coverage(960, 540));
  }
  state.counters["calls"] = static_cast<double>(canvas.clock().calls()) / static_cast<double>(state.iterations());
}

}  // namespace sumimai::bench
