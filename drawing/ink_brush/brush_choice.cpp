#include "brush_choice.h"

#include "ink_brush.h"

namespace sumimai {

std::optional<BrushKind> brushKindNamed(std::string_view name) {
  if (name == "round") return BrushKind::Round;
  if (name == "ink") return BrushKind::Ink;
  return std::nullopt;
}

std::string_view brushKindName(BrushKind kind) { return kind == BrushKind::Ink ? "ink" : "round"; }

std::unique_ptr<RingPainter> ringPainterFor(const BrushChoice& choice, std::shared_ptr<const PaperGrain> grain) {
  if (choice.kind == BrushKind::Round) return nullptr;
  return std::make_unique<InkBrush>(choice.seed, std::move(grain));
}

void useBrush(RasterCanvas& canvas, const BrushChoice& choice, std::shared_ptr<const PaperGrain> grain) {
  canvas.setRingPainter(ringPainterFor(choice, std::move(grain)));
}

}  // namespace sumimai
