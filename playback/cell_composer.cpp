#include "cell_composer.h"

#include <algorithm>
#include <cstring>

namespace sumimai {
namespace {

// The ink composited over the cell's pixels of out, in its own colours or
// all in one.
void compositeInk(const InkLayer& ink, PixelRect cell, PixelView out, std::optional<Rgb> tint = std::nullopt) {
  const PixelRect within{0, 0, std::min(cell.width(), ink.width()), std::min(cell.height(), ink.height())};
  std::uint32_t* corner = out.pixels + cell.top * out.stride + cell.left;
  if (tint) ink.compositeTintedOnto(corner, out.stride, within, *tint);
  else ink.compositeOnto(corner, out.stride, within);
}

const Rgb kNumberColour{0, 0, 0};
const Rgb kArrowColour{213, 94, 0};

}  // namespace

CellComposer::CellComposer(WritingSession& session, LearningAids aids, Rgb groundColour, Finishing finishing)
    : session_(session), aids_(aids), ghost_(ghostColour(ringColour(session.style().ink), groundColour)),
      finishing_(finishing) {}

CellLook CellComposer::lookOf(std::size_t index) const {
  CellLook look;
  look.at = session_.inkTime(index);
  const CharacterTiming& t = session_.playback().timing().characters[index];
  look.timed = !t.strokes.empty();
  look.finished = look.timed && (aids_.ghost || aids_.strokeNumbers) &&
                  (finishing_ == Finishing::AtOnce || session_.finishedReady(index));
  if (aids_.startArrow) {
    const std::optional<WritingPlace> place = session_.playback().place();
    if (place && place->character == index) look.stroke = place->stroke;
  }
  return look;
}

int CellComposer::digitHeight(PixelRect cell) const { return std::clamp(cell.height() / 11, 9, 40); }

const std::vector<StrokeStart>& CellComposer::starts(std::size_t index) {
  auto found = starts_.find(index);
  if (found != starts_.end()) return found->second;
  const PlacedCharacter& c = session_.composition().characters[index];
  return starts_[index] = strokeStarts(*c.strokes, {c.cell.width(), c.cell.height()}, session_.composition().framing,
                                       1.0 / kTwipsPerPixel);
}

const std::vector<NumberPlace>& CellComposer::numberPlaces(std::size_t index) {
  auto found = numbers_.find(index);
  if (found != numbers_.end()) return found->second;
  const PixelRect cell = session_.composition().characters[index].cell;
  const InkLayer& ink = session_.finishedInk(index);
  const auto covered = [&ink](int x, int y) {
    return x < ink.width() && y < ink.height() && ink.coverage(x, y) > 0;
  };
  return numbers_[index] = placeNumbers(starts(index), {cell.width(), cell.height()}, digitHeight(cell), covered);
}

void CellComposer::drawAhead(std::chrono::steady_clock::time_point deadline) {
  session_.prepareAhead(deadline);
}

void CellComposer::drawNumbers(std::size_t index, const CellLook& look, PixelView out) {
  const PixelRect cell = session_.composition().characters[index].cell;
  const CharacterTiming& t = session_.playback().timing().characters[index];
  const std::vector<NumberPlace>& places = numberPlaces(index);
  const DrawingClock::Duration now = t.start + *look.at;
  for (std::size_t k = 0; k < places.size() && k < t.strokes.size(); ++k) {
    if (t.strokes[k].start >= now && now < t.end) break;
    PixelRect box = places[k].box;
    box = {box.left + cell.left, box.top + cell.top, box.right + cell.left, box.bottom + cell.top};
    const Rgb colour = aids_.strokeColours ? kStrokePalette[k % kStrokePalette.size()] : kNumberColour;
    drawNumber(out, box, static_cast<int>(k + 1), colour);
  }
}

void CellComposer::compose(std::size_t index, const std::uint32_t* ground, PixelView out) {
  const PlacedCharacter& c = session_.composition().characters[index];
  const PixelRect cell = c.cell;
  for (int y = cell.top; y < cell.bottom; ++y) {
    std::memcpy(out.pixels + y * out.stride + cell.left, ground + y * out.stride + cell.left,
                std::size_t(cell.width()) * 4);
  }
  drawGrid(out, cell, aids_.grid);
  if (c.state == CharacterState::Missing || c.state == CharacterState::Damaged) drawDottedFrame(out, cell);
  if (!c.strokes) return;
  const CellLook look = lookOf(index);
  if (aids_.ghost && look.finished) compositeInk(session_.finishedInk(index), cell, out, ghost_);
  if (look.at) compositeInk(session_.ink(index, *look.at), cell, out);
  if (!look.timed || (!aids_.strokeNumbers && look.stroke < 0)) return;
  const std::vector<StrokeStart>& s = starts(index);
  if (aids_.strokeNumbers && look.at && look.finished) drawNumbers(index, look, out);
  if (look.stroke >= 0 && look.stroke < static_cast<int>(s.size())) {
    const StrokeStart& start = s[static_cast<std::size_t>(look.stroke)];
    drawStartArrow(out, {start.at.x + static_cast<float>(cell.left), start.at.y + static_cast<float>(cell.top)},
                   start.towards, static_cast<float>(digitHeight(cell)) * 1.6f, kArrowColour);
  }
}

}  // namespace sumimai
