#include "cell_ink.h"

#include <algorithm>

#include "drawing/raster/ink_only_canvas.h"
#include "renderer/window_canvas.h"
#include "writing/counting_canvas.h"

namespace sumimai {
namespace {

// How many states a character keeps along its drawing with the round brush
// (at most; each at a stroke's start). The ink brush keeps every stroke's
// start: a jump back goes on from there, where the brush starts afresh.
constexpr int kKeptPerCharacter = 6;
// Past its deadline, a drawing ahead goes on to the next stroke's start, or
// stops within a stroke once it has drawn this many calls (so that it always
// gets on, however late it is asked).
constexpr int kLeastCallsPerSlice = 256;

}  // namespace

// Draws from a kept state: calls up to skip are charged only, the ink
// begins as the state's (and the brush, within a stroke), and the drawing
// ends (by throwing Stop) at the first call past stop, or once the deadline
// has passed (at a stroke's start, or within a stroke after enough calls).
// The ink at each stroke's start is handed to keep.
class CellInk::StoppingCanvas : public InkOnlyCanvas, public CellCanvas {
 public:
  struct Stop {};

  StoppingCanvas(CellInk& owner, const State& from, Duration stop, Deadline deadline, bool keeps)
      : InkOnlyCanvas({}, owner.options_.devicePixelsPerTwip),
        owner_(owner), from_(from), stop_(stop), deadline_(deadline), reached_(stop), keeps_(keeps) {
    if (from.painter) setRingPainter(from.painter->clone());
    else useStrokeBrush(from.time);
  }
  // Where the drawing stopped: the time asked for, or where the deadline
  // stopped it.
  Duration reached() const { return reached_; }

  void place(SizeF canvas, PixelRect window) override {
    setSize(canvas);
    ink().setDrawableArea({0, 0, window.width(), window.height()});
    clear();
  }
  // The drawing's wiping at its start: the kept state instead of nothing.
  void clear() override {
    if (from_.ink.width() > 0) ink() = from_.ink;
    else ink().clear();
  }
  void drawRing(const Ring& ring) override {
    if (!passes()) return;
    Ring r = ring;
    r.colour = colourOf(r.colour);
    InkOnlyCanvas::drawRing(r);
  }
  void drawLine(PointF from, PointF to, Rgb colour) override {
    if (passes()) InkOnlyCanvas::drawLine(from, to, colourOf(colour));
  }
  void drawRectangle(PointF a, PointF b, Rgb colour) override {
    if (passes()) InkOnlyCanvas::drawRectangle(a, b, colourOf(colour));
  }
  void fillRectangle(PointF a, PointF b, Rgb colour) override {
    if (passes()) InkOnlyCanvas::fillRectangle(a, b, colourOf(colour));
  }

 private:
  // Whether the next call does pixel work: false while it falls within the
  // kept state.
  bool passes() {
    const Duration next = clock().charged() + clock().callCost();
    if (next > stop_) throw Stop{};
    if (next <= from_.time) {
      clock().charge();
      return false;
    }
    const Duration now = clock().charged();
    // The drawing's time only grows: the next stroke's start is found by
    // moving on from the last one found.
    const auto& starts = owner_.strokeStarts_;
    while (nextStart_ < starts.size() && starts[nextStart_] < now) ++nextStart_;
    // A stroke that begins here takes a fresh brush, also when the brush
    // carried over from the state stopped just before it.
    if (nextStart_ < starts.size() && starts[nextStart_] == now && (now > from_.time || from_.painter)) {
      useStrokeBrush(now);
      if (keeps_) owner_.keep(now, ink());
      if (calls_ > 0) stopAtTheDeadline(now);
    }
    if (++calls_ > kLeastCallsPerSlice) stopAtTheDeadline(now);
    return true;
  }
  void stopAtTheDeadline(Duration now) {
    if (deadline_ && std::chrono::steady_clock::now() >= *deadline_) {
      reached_ = now;
      throw Stop{};
    }
  }
  // The brush for the stroke starting at `time`: the ink brush anew, seeded
  // by the stroke's number (what the stroke before left settles first).
  void useStrokeBrush(Duration time) {
    BrushChoice brush = owner_.options_.brush;
    if (brush.kind == BrushKind::Round) return;
    settleInk();
    const auto& starts = owner_.strokeStarts_;
    const auto stroke = static_cast<std::uint64_t>(std::upper_bound(starts.begin(), starts.end(), time) - starts.begin());
    brush.seed = brush.seed * 0x9E3779B97F4A7C15ull + stroke;
    useBrush(*this, brush);
  }
  Rgb colourOf(Rgb colour) {
    const std::vector<Rgb>& colours = owner_.options_.strokeColours;
    if (colours.empty()) return colour;
    const Duration next = clock().charged() + clock().callCost();
    const auto& starts = owner_.strokeStarts_;
    const long stroke = std::lower_bound(starts.begin(), starts.end(), next) - starts.begin() - 1;
    return colours[static_cast<std::size_t>(std::max(stroke, 0L)) % colours.size()];
  }

  CellInk& owner_;
  const State& from_;
  Duration stop_;
  Deadline deadline_;
  Duration reached_;
  bool keeps_;
  std::size_t nextStart_ = 0;  // into the owner's stroke starts
  int calls_ = 0;              // drawn by this canvas
};

CellInk::CellInk(const CharacterStrokes& strokes, PixelRect cell, Framing framing, DrawingStyle style,
                 const CharacterTiming& timing, CellInkOptions options)
    : strokes_(&strokes), cell_(cell), framing_(framingOf(framing, strokes)), style_(style),
      duration_(timing.end - timing.start), options_(std::move(options)) {
  for (const StrokeTiming& s : timing.strokes) strokeStarts_.push_back(s.start - timing.start);
  // Each call costs what the timing charged it (a composition may charge a
  // character's calls more or less than the canvas's cost, to keep a tempo):
  // the character's time over its calls.
  CountingCanvas counting;
  counting.clock().setCallCost(std::chrono::nanoseconds(1));
  drawCharacterInCell(strokes, {0, 0, cell.width(), cell.height()}, framing_, counting,
                      {style.speed, style.ink, std::nullopt, 1});
  if (counting.clock().calls() > 0) callCost_ = duration_ / static_cast<Duration::rep>(counting.clock().calls());
}

CellInk::~CellInk() = default;
CellInk::CellInk(CellInk&&) noexcept = default;

const CellInk::State* CellInk::latestBefore(Duration offset) const {
  const State* best = nullptr;
  const auto kept = kept_.upper_bound(offset);
  if (kept != kept_.begin()) best = &std::prev(kept)->second;
  const auto later = [&best](const State& s) { return !best || s.time >= best->time; };
  // The ink brush carries its load along a stroke: it goes on from a kept
  // stroke's start, where it starts afresh, or from a state that holds the
  // brush as it stood.
  const auto resumable = [this](const State& s) { return options_.brush.kind == BrushKind::Round || s.painter; };
  if (drawn_ && current_.time <= offset && later(current_) && resumable(current_)) best = &current_;
  if (finishedStarted_ && finished_.time <= offset && later(finished_) && resumable(finished_)) best = &finished_;
  return best;
}

void CellInk::keep(Duration time, const InkLayer& ink) {
  if (kept_.count(time)) return;
  if (options_.brush.kind == BrushKind::Round) {
    const auto next = kept_.upper_bound(time);
    const Duration before = next == kept_.begin() ? Duration{0} : std::prev(next)->first;
    if (time - before < duration_ / kKeptPerCharacter) return;
  }
  kept_.emplace(time, State{time, ink, nullptr});
}

CellInk::Duration CellInk::draw(Duration offset, State& into, Deadline deadline) {
  static const State kEmpty{};
  const State* from = latestBefore(offset);
  // The canvas takes the state's ink at its start, so `from` may be `into`.
  // The finished ink, drawn straight through, keeps no states on its way:
  // a jump into the character later draws at most the character.
  StoppingCanvas canvas(*this, from ? *from : kEmpty, offset, deadline, &into != &finished_);
  canvas.clock().setCallCost(callCost_);
  const PixelRect own{0, 0, cell_.width(), cell_.height()};
  try {
    drawCharacterInCell(*strokes_, own, framing_, canvas, {style_.speed, style_.ink, std::nullopt, 1});
  } catch (const StoppingCanvas::Stop&) {
  }
  into = {canvas.reached(), std::move(canvas.ink()), canvas.releaseRingPainter()};
  return into.time;
}

const InkLayer& CellInk::at(Duration offset) {
  offset = std::clamp(offset, Duration{0}, duration_);
  if (offset == duration_) return finished();
  if (drawn_ && current_.time == offset) return current_.ink;
  draw(offset, current_);
  drawn_ = true;
  return current_.ink;
}

const InkLayer& CellInk::finished() {
  while (!prepareFinished(std::chrono::steady_clock::time_point::max())) {
  }
  return finished_.ink;
}

bool CellInk::prepareFinished(std::chrono::steady_clock::time_point deadline) {
  if (finishedReady_) return true;
  const Duration reached = draw(duration_, finished_, deadline);
  finishedStarted_ = true;
  finishedReady_ = reached >= duration_;
  return finishedReady_;
}

std::size_t CellInk::heldBytes() const {
  auto bytes = [](const InkLayer& ink) { return std::size_t(ink.width()) * std::size_t(ink.height()) * 8; };
  std::size_t total = (drawn_ ? bytes(current_.ink) : 0) + (finishedStarted_ ? bytes(finished_.ink) : 0);
  for (const auto& [time, s] : kept_) total += bytes(s.ink);
  return total;
}

}  // namespace sumimai
