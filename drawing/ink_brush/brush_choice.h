// Which brush writes: the round brush (solid rings, the programs' own) or
// the ink brush, with the seed that varies the ink brush's bristles and
// paper. A plain value that tools and windows pass along, and the one way
// to put the choice on a raster canvas.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "drawing/raster/raster_canvas.h"
#include "paper_grain.h"

namespace sumimai {

enum class BrushKind { Round, Ink };

struct BrushChoice {
  BrushKind kind = BrushKind::Round;
  std::uint64_t seed = 1;
  bool operator==(const BrushChoice&) const = default;
};

// "round" or "ink", as the tools name them; nothing for any other name.
std::optional<BrushKind> brushKindNamed(std::string_view name);
std::string_view brushKindName(BrushKind kind);

// The painter of the choice's rings: none for the round brush. grain is
// the paper's (null: grain seeded from the choice's seed).
std::unique_ptr<RingPainter> ringPainterFor(const BrushChoice& choice,
                                            std::shared_ptr<const PaperGrain> grain = nullptr);

// Makes the canvas draw its rings with the chosen brush from now on.
void useBrush(RasterCanvas& canvas, const BrushChoice& choice, std::shared_ptr<const PaperGrain> grain = nullptr);

}  // namespace sumimai
