// 蘊 written at 1080 x 1080 as an export writes it, with the round brush
// (argument 0) and the ink brush (1): the drawing through the frame canvas
// at the programs' pace, every frame composed, none encoded.
#include <benchmark/benchmark.h>

#include "drawing/drawing_pace.h"
#include "export/animation_export.h"
#include "export/frame_canvas.h"

namespace sumimai::bench {
namespace {

class DiscardingWriter : public FrameWriter {
 public:
  void add(const Frame&) override {}
  void finish(std::int64_t) override {}
};

const Composition* character() {
  static const Composed composed =
      composeSources({strokeFileSource(std::filesystem::u8path(SUMIMAI_SOURCE_DIR "/data/般若心経/蘊.mem"))},
                     {WritingDirection::Columns, std::nullopt, PictureSize{1080, 1080}});
  return composed.ok() && !composed.composition.firstUnwritten() ? &composed.composition : nullptr;
}

void BM_WriteCharacter(benchmark::State& state) {
  const Composition* composition = character();
  if (!composition) {
    state.SkipWithError("蘊 could not be read from the shipped data");
    return;
  }
  ExportRequest request;
  request.composition = *composition;
  request.brush.kind = state.range(0) ? BrushKind::Ink : BrushKind::Round;
  const RgbImage ground(1080, 1080);
  std::int64_t frames = 0;
  for (auto _ : state) {
    DiscardingWriter none;
    FrameCanvas canvas(ground, request.fps, none);
    useRequestBrush(request, ground, canvas);
    canvas.clock().setCallCost(kDrawingCallCost);
    drawRequest(request, canvas);
    frames = canvas.finish(request.hold);
  }
  state.counters["frames"] = static_cast<double>(frames);
  state.SetLabel(state.range(0) ? "ink" : "round");
}
BENCHMARK(BM_WriteCharacter)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumimai::bench
