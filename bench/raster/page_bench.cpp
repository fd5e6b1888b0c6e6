// The shipped sutra page as start-up draws it: fitted to a 1920 x 1080 window
// (canvas 28830 x 16230 twips, window 28800 x 16200), then the grid and the
// page's strokes drawn through the raster canvas with no pacing.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "data_files/stroke_file.h"
#include "drawing/raster/ink_only_canvas.h"
#include "renderer/drawing_sequence.h"

namespace sumimai::bench {

// The page file: $SUMIMAI_PAGE_FILE, or the one shipped in data/.
std::filesystem::path pageFile() {
  if (const char* path = std::getenv("SUMIMAI_PAGE_FILE")) return std::filesystem::u8path(path);
  return std::filesystem::u8path(SUMIMAI_SOURCE_DIR "/data/般若心経/般若心経.mem");
}

namespace {

constexpr SizeF kCanvas{28830, 16230}, kForm{28800, 16200};

struct FittedPage {
  PageStrokeTable table;
  StrokeCountValue count;
  GridBox grid;
};

std::unique_ptr<FittedPage> loadFittedPage(const std::filesystem::path& path) {
  auto page = std::make_unique<FittedPage>();
  if (!readPageFile(path, page->table, page->count).ok()) return nullptr;
  InkOnlyCanvas canvas(kCanvas);
  page->grid = fitPage(page->table, page->count, {canvas, kForm});
  return page;
}

}  // namespace

void BM_ShippedPage(benchmark::State& state) {
  static const std::unique_ptr<FittedPage> page = loadFittedPage(pageFile());
  if (!page) {
    state.SkipWithError("the page file could not be read");
    return;
  }
  InkOnlyCanvas canvas(kCanvas);
  DrawSettings settings{0, 160, 140, 50};
  InkColour ink;
  double thickness = 0;
  StrokeCountValue count = page->count;
  for (auto _ : state) {
    drawFittedPage(page->table, page->grid, canvas, settings, ink, {thickness, count});
    benchmark::DoNotOptimize(canvas.ink().coverage(960, 540));
  }
  state.counters["calls"] = static_cast<double>(canvas.clock().calls()) / static_cast<double>(state.iterations());
}

}  // namespace sumimai::bench
