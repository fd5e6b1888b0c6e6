// The frame canvas: which drawing each frame shows, what it says changed,
// how many frames there are; and the timeline of the formats whose frames
// have their own durations.
#include <cstring>
#include <stdexcept>
#include <gtest/gtest.h>

#include "drawing/raster/pixel_arithmetic.h"
#include "export/compositing.h"
#include "export/frame_canvas.h"
#include "export/frame_timeline.h"
#include "renderer/window_canvas.h"
#include "export_fixture.h"

namespace sumimai::testing {
namespace {

using namespace std::chrono_literals;

struct Kept {
  RgbImage picture;
  PixelRect changed;
  std::int64_t index;
};

class KeepingWriter : public FrameWriter {
 public:
  void add(const Frame& f) override { frames.push_back({f.picture, f.changed, f.index}); }
  void finish(std::int64_t count) override { finishedWith = count; }
  std::vector<Kept> frames;
  std::int64_t finishedWith = -1;
};

// Every pixel that differs between two pictures lies within the rectangle.
::testing::AssertionResult changesWithin(const RgbImage& before, const RgbImage& after, PixelRect rect) {
  for (int y = 0; y < after.height; ++y) {
    for (int x = 0; x < after.width; ++x) {
      const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
      if (!inside && before.at(x, y) != after.at(x, y)) {
        return ::testing::AssertionFailure() << "pixel " << x << "," << y << " changed outside the rectangle";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(FrameCanvas, EachFrameShowsTheDrawingAfterTheCallWhoseChargeReachesItsTime) {
  // The small character drawn on the frame canvas and, call by call, on a
  // plain ink canvas: at 30 frames a second and 150 us a call (a slow clock
  // gives this small drawing more frames), frame k shows the first
  // ceil(k / 30 s / 150 us) calls.
  ExportRequest request = requestFor({smallCharacter()}, {60, 48}, "unused.webp");
  const RecordedDrawing recorded = recordDrawing(request);
  const RgbImage ground(60, 48, opaquePixel({250, 240, 220}));
  KeepingWriter writer;
  FrameCanvas canvas(ground, 30, writer);
  canvas.clock().setCallCost(150us);
  drawRequest(request, canvas);
  const std::int64_t count = canvas.finish(100ms);
  const std::size_t calls = canvas.clock().calls();
  ASSERT_GT(count, 10);
  EXPECT_EQ(count, framesCovering(canvas.clock().charged() + 100ms, 30));
  ASSERT_EQ(writer.frames.size(), static_cast<std::size_t>(count));
  EXPECT_EQ(writer.finishedWith, count);
  EXPECT_EQ(writer.frames.front().changed, ground.bounds());
  EXPECT_TRUE(samePicture(writer.frames.front().picture, ground));
  for (std::size_t k = 1; k < writer.frames.size(); ++k) {
    const Kept& frame = writer.frames[k];
    EXPECT_EQ(frame.index, static_cast<std::int64_t>(k));
    const std::size_t shown = std::min(callsShownBy(frame.index, 30, 150us), calls);
    EXPECT_TRUE(samePicture(frame.picture, pictureAfter(recorded, shown, ground))) << "frame " << k;
    EXPECT_TRUE(changesWithin(writer.frames[k - 1].picture, frame.picture, frame.changed)) << "frame " << k;
  }
  EXPECT_TRUE(samePicture(writer.frames.back().picture, pictureAfter(recorded, calls, ground)));
  EXPECT_TRUE(writer.frames.back().changed.empty());  // held: nothing new
}

TEST(FrameCanvas, TheFinishedDrawingIsShownEvenWithoutHold) {
  KeepingWriter writer;
  FrameCanvas canvas(RgbImage(20, 20), 10, writer);
  canvas.clock().setCallCost(30ms);  // frames every 100 ms, calls at 30, 60, ... 150 ms
  canvas.place(canvasOfWindow({300, 300}), {0, 0, 20, 20});
  for (int i = 0; i < 5; ++i) canvas.drawRing({{30.0f + 40 * i, 100}, 20, {0, 0, 0}});
  // Frame 1 is shown after the call at 120 ms; 150 ms would need two
  // frames, but the last call needs a third.
  EXPECT_EQ(canvas.finish(0ms), 3);
  ASSERT_EQ(writer.frames.size(), 3u);
  EXPECT_FALSE(writer.frames[2].changed.empty());
  EXPECT_NE(writer.frames[2].picture, writer.frames[1].picture);
}

TEST(FrameCanvas, TheHoldLengthensTheAnimationByWholeFrames) {
  // Five calls of 30 ms at 10 frames a second: the drawing ends at 150 ms,
  // the last call is first shown by frame 2 (from 200 ms). The hold counts
  // from 150 ms, and a frame that begins before the end of the hold is
  // shown whole.
  struct Case {
    std::chrono::milliseconds hold;
    std::int64_t frames;
  };
  for (const Case c : {Case{0ms, 3}, Case{50ms, 3}, Case{150ms, 3}, Case{151ms, 4}, Case{250ms, 4}, Case{251ms, 5},
                       Case{1850ms, 20}}) {
    KeepingWriter writer;
    FrameCanvas canvas(RgbImage(20, 20), 10, writer);
    canvas.clock().setCallCost(30ms);
    canvas.place(canvasOfWindow({300, 300}), {0, 0, 20, 20});
    for (int i = 0; i < 5; ++i) canvas.drawRing({{30.0f + 40 * i, 100}, 20, {0, 0, 0}});
    EXPECT_EQ(canvas.finish(c.hold), c.frames) << c.hold.count() << " ms";
    EXPECT_EQ(writer.finishedWith, c.frames) << c.hold.count() << " ms";
  }
}

TEST(FrameTimes, FramesCoverTheDrawingAndItsHoldAndBeginAtRoundedTimes) {
  // How many frames an animation has: the drawing and the hold rounded up
  // to whole frames, never none.
  EXPECT_EQ(framesFor(0ns, 0ns, 30), 1);
  EXPECT_EQ(framesFor(1ns, 0ns, 30), 1);
  EXPECT_EQ(framesFor(33'333'333ns, 0ns, 30), 1);
  EXPECT_EQ(framesFor(33'333'334ns, 0ns, 30), 2);
  EXPECT_EQ(framesFor(900ms, 100ms, 30), 30);
  EXPECT_EQ(framesFor(900ms, 100ms + 1ns, 30), 31);
  EXPECT_EQ(framesFor(2s, 500ms, 24), 60);
  EXPECT_EQ(framesFor(40ms, 0ns, 25), 1);
  EXPECT_EQ(framesFor(41ms, 0ns, 25), 2);
  EXPECT_EQ(framesFor(10min, 0ns, 60), 36000);
  // When a frame begins, to the nearest unit (halves up).
  EXPECT_EQ(frameStart(0, 30, 1000), 0);
  EXPECT_EQ(frameStart(1, 30, 1000), 33);
  EXPECT_EQ(frameStart(2, 30, 1000), 67);
  EXPECT_EQ(frameStart(30, 30, 1000), 1000);
  EXPECT_EQ(frameStart(1, 16, 1000), 63);  // 62.5
  EXPECT_EQ(frameStart(3, 60, 100), 5);
  EXPECT_EQ(frameStart(14, 60, 100), 23);
  EXPECT_EQ(frameStart(36000, 60, 1000), 600000);
}

TEST(FrameCanvas, CellsKeepWhatWasWrittenBeforeAndDrawOnlyInTheirWindow) {
  // Two characters in a row: the second cell's drawing leaves the first
  // cell's ink as it was, and nothing falls outside the cells.
  ExportRequest request =
      requestFor({smallCharacter(), smallCharacter()}, {100, 48}, "unused.webp", WritingDirection::Rows);
  ASSERT_EQ(request.composition.characters.size(), 2u);
  const PixelRect left = request.composition.characters[0].cell, right = request.composition.characters[1].cell;
  EXPECT_EQ(left, (PixelRect{10, 4, 50, 44}));  // 40-pixel cells, a tenth of one around them
  EXPECT_EQ(right, (PixelRect{50, 4, 90, 44}));
  KeepingWriter writer;
  const RgbImage ground(100, 48);
  FrameCanvas canvas(ground, 30, writer);
  canvas.clock().setCallCost(15us);
  drawRequest(request, canvas);
  canvas.finish(0ms);
  const RgbImage& last = writer.frames.back().picture;
  auto touches = [](PixelRect a, PixelRect b) { return !raster::intersect(a, b).empty(); };
  std::size_t second = 1;  // frame 0 changes the whole picture
  while (second < writer.frames.size() && !touches(writer.frames[second].changed, right)) ++second;
  ASSERT_LT(second + 1, writer.frames.size());
  for (std::size_t k = second + 1; k < writer.frames.size(); ++k) {
    EXPECT_FALSE(touches(writer.frames[k].changed, left)) << k;
    EXPECT_TRUE(samePicture(cropped(writer.frames[k].picture, left), cropped(last, left))) << k;
  }
  // Both cells hold the same character, centred alike.
  EXPECT_TRUE(samePicture(cropped(last, left), cropped(last, right)));
  EXPECT_TRUE(changesWithin(ground, last, {2, 0, 98, 48}));
  EXPECT_NE(cropped(last, left), cropped(ground, left));
}

// The frames of the small character written with a brush, at the pace of
// the programs.
std::vector<Kept> framesWith(BrushChoice brush) {
  ExportRequest request = requestFor({smallCharacter(), smallCharacter()}, {120, 48}, "unused.webp",
                                     WritingDirection::Rows);
  request.brush = brush;
  const RgbImage ground(120, 48, opaquePixel({250, 240, 220}));
  KeepingWriter writer;
  FrameCanvas canvas(ground, 30, writer);
  useRequestBrush(request, ground, canvas);
  canvas.clock().setCallCost(150us);
  drawRequest(request, canvas);
  canvas.finish(100ms);
  return writer.frames;
}

TEST(FrameCanvas, TheInkBrushTakesAsManyFramesAndTheSameSeedTheSamePictures) {
  const std::vector<Kept> round = framesWith({}), ink = framesWith({BrushKind::Ink, 3});
  const std::vector<Kept> again = framesWith({BrushKind::Ink, 3}), other = framesWith({BrushKind::Ink, 4});
  ASSERT_GT(round.size(), 10u);
  ASSERT_EQ(ink.size(), round.size());
  ASSERT_EQ(again.size(), ink.size());
  ASSERT_EQ(other.size(), ink.size());
  for (std::size_t k = 0; k < ink.size(); ++k) EXPECT_TRUE(samePicture(ink[k].picture, again[k].picture)) << k;
  EXPECT_NE(ink.back().picture, round.back().picture);
  EXPECT_NE(ink.back().picture, other.back().picture);
  // Pinned (FNV-1a of the pixels), the paper's grain placed under each cell.
  std::uint64_t h = 0xcbf29ce484222325ull;
  for (std::uint32_t p : ink.back().picture.pixels) h = (h ^ p) * 0x100000001b3ull;
  EXPECT_EQ(h, 0x1af5032538250e14ull);
}

// A writer that keeps no picture but its own, updated from the rows it
// reads where each frame changed, as the video writer reads them.
class RowReadingWriter : public FrameWriter {
 public:
  explicit RowReadingWriter(PictureSize size) : shown_(size.width, size.height, 0) {}
  bool readsRows() const override { return true; }
  void add(const Frame& f) override {
    EXPECT_TRUE(f.picture.pixels.empty() || f.rows) << "frame " << f.index;
    if (!f.changed.empty()) read(*f.rows, f.changed);
    frames.push_back(shown_);
  }
  void addChangesAhead(const PictureRows& rows, PixelRect rect) override { read(rows, rect); }
  void finish(std::int64_t) override {}
  std::vector<RgbImage> frames;

 private:
  // The rectangle one pixel wider on every side (within the picture), as a
  // 4:2:0 conversion reads the pixels it pairs.
  void read(const PictureRows& rows, PixelRect rect) {
    const PixelRect c = raster::intersect({rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1}, shown_.bounds());
    std::vector<std::uint32_t> scratch(static_cast<std::size_t>(shown_.width));
    for (int y = c.top; y < c.bottom; ++y) {
      const std::uint32_t* row = rows.row(y, c.left, c.right, scratch.data());
      std::copy(row, row + (c.right - c.left), shown_.row(y) + c.left);
    }
  }
  RgbImage shown_;
};

TEST(FrameCanvas, AWriterReadingRowsSeesThePicturesAWriterOfWholePicturesSees) {
  // One, two and three cells (each later one lets the ink before it go),
  // over a plain ground and a pictured one, with either brush.
  RgbImage paper(120, 48);
  for (int y = 0; y < paper.height; ++y)
    for (int x = 0; x < paper.width; ++x) paper.row(y)[x] = opaquePixel({200 + x % 50, 190 + y, 180 + (x * y) % 40});
  for (const RgbImage& ground : {RgbImage(120, 48, opaquePixel({250, 240, 220})), paper}) {
    for (std::size_t cells : {1u, 2u, 3u}) {
      for (BrushKind brush : {BrushKind::Round, BrushKind::Ink}) {
        ExportRequest request = requestFor(std::vector<StrokeSource>(cells, smallCharacter()), {120, 48},
                                           "unused.mp4", WritingDirection::Rows);
        request.brush.kind = brush;
        KeepingWriter whole;
        RowReadingWriter rows({120, 48});
        for (FrameWriter* writer : {static_cast<FrameWriter*>(&whole), static_cast<FrameWriter*>(&rows)}) {
          FrameCanvas canvas(ground, 30, *writer);
          useRequestBrush(request, canvas.ground(), canvas);
          canvas.clock().setCallCost(150us);
          drawRequest(request, canvas);
          canvas.finish(100ms);
          if (writer == &rows) {
            EXPECT_TRUE(canvas.picture().pixels.empty()) << cells << " cells: a picture was kept";
          }
        }
        ASSERT_GT(whole.frames.size(), 10u);
        ASSERT_EQ(rows.frames.size(), whole.frames.size());
        for (std::size_t k = 0; k < whole.frames.size(); ++k) {
          ASSERT_TRUE(samePicture(rows.frames[k], whole.frames[k].picture))
              << cells << " cells, brush " << static_cast<int>(brush) << ", frame " << k;
        }
      }
    }
  }
}

// Two rings in each window in turn, the second reaching its edges, at 10
// frames a second and 40 ms a call, on a canvas handing its frames to
// `writer`: each window is placed before the frame that shows its ink.
void drawInWindows(const std::vector<PixelRect>& windows, FrameWriter& writer) {
  FrameCanvas canvas(RgbImage(60, 40, opaquePixel({250, 240, 220})), 10, writer);
  canvas.clock().setCallCost(40ms);
  for (const PixelRect w : windows) {
    canvas.place(canvasOfWindow({w.width() * 15.0f, w.height() * 15.0f}), w);
    canvas.drawRing({{80, 90}, 40, {20, 10, 60}});
    canvas.drawRing({{150, 150}, 148, {20, 10, 60}});
  }
  canvas.finish(0ms);
}

TEST(FrameCanvas, WindowsApartOrOverTheFirstShowTheSameToAWriterReadingRows) {
  const PixelRect a{0, 0, 20, 20}, right{20, 0, 40, 20}, below{0, 20, 20, 40}, far{40, 20, 60, 40};
  const PixelRect overA{10, 5, 30, 25};
  for (const std::vector<PixelRect>& windows : {std::vector<PixelRect>{a, right}, {a, right, below}, {a, far, right},
                                                {a, a}, {a, overA}, {a, overA, far}}) {
    KeepingWriter whole;
    RowReadingWriter rows({60, 40});
    drawInWindows(windows, whole);
    drawInWindows(windows, rows);
    ASSERT_EQ(rows.frames.size(), whole.frames.size()) << windows.size() << " windows";
    for (std::size_t k = 0; k < whole.frames.size(); ++k) {
      ASSERT_TRUE(samePicture(rows.frames[k], whole.frames[k].picture)) << windows.size() << " windows, frame " << k;
    }
    EXPECT_NE(whole.frames.back().picture, whole.frames.front().picture);
  }
  // Over a window whose ink the writer alone holds: refused rather than
  // drawn over the ground.
  RowReadingWriter rows({60, 40});
  EXPECT_THROW(drawInWindows({a, right, overA}, rows), std::logic_error);
}

// A timeline whose parts are the pixels themselves, row after row.
FrameTimeline pixelTimeline(int fps, TimelineUnits units, std::vector<TimedFrame>& stored) {
  auto prepare = [](const RgbImage& picture, PixelRect rect) {
    const RgbImage part = cropped(picture, rect);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(part.pixels.data());
    return std::vector<std::uint8_t>(bytes, bytes + part.pixels.size() * 4);
  };
  return FrameTimeline(fps, units, prepare, [&](const TimedFrame& f) { stored.push_back(f); });
}

std::uint32_t pixelOf(const TimedFrame& frame, int x, int y) {
  std::uint32_t p;
  std::memcpy(&p, frame.payload.data() + (static_cast<std::size_t>(y) * frame.width() + x) * 4, 4);
  return p;
}

TEST(FrameTimeline, DurationsAddUpAndNoFrameIsShorterThanTheFormatAllows) {
  // 60 frames a second in hundredths with at least 2 each: frames merge,
  // each stored frame shows the latest picture of those merged into it.
  std::vector<TimedFrame> stored;
  FrameTimeline timeline = pixelTimeline(60, {100, 2, false}, stored);
  RgbImage picture(8, 8);
  for (std::int64_t k = 0; k < 12; ++k) {
    picture.row(0)[k % 8] = 0xFF000000u | static_cast<std::uint32_t>(k);
    timeline.add({picture, k == 0 ? picture.bounds() : PixelRect{static_cast<int>(k % 8), 0, static_cast<int>(k % 8) + 1, 1}, k});
  }
  timeline.add({picture, {}, 12});  // unchanged: lengthens the last
  timeline.finish(14);
  ASSERT_FALSE(stored.empty());
  EXPECT_EQ(stored.front().start, 0);
  EXPECT_EQ(stored.back().end, 23);  // 14 frames of 1/60 s: 0.2333 s
  for (std::size_t i = 0; i < stored.size(); ++i) {
    EXPECT_GE(stored[i].end - stored[i].start, 2) << i;
    if (i > 0) {
      EXPECT_EQ(stored[i].start, stored[i - 1].end) << i;
    }
  }
  const TimedFrame& last = stored.back();
  EXPECT_EQ(pixelOf(last, 11 % 8 - last.rect.left, 0 - last.rect.top), 0xFF00000Bu);
}

TEST(FrameTimeline, AFrameWaitingForItsDurationKeepsThePictureItWasAddedWith) {
  std::vector<TimedFrame> stored;
  FrameTimeline timeline = pixelTimeline(10, {1000, 1, false}, stored);
  RgbImage picture(4, 4, 0xFFFFFFFFu);
  timeline.add({picture, picture.bounds(), 0});
  picture.row(1)[2] = 0xFF000000u;  // drawn on after the frame was handed over
  timeline.add({picture, {2, 1, 3, 2}, 1});
  timeline.finish(2);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(pixelOf(stored[0], 2, 1), 0xFFFFFFFFu);
  EXPECT_EQ(pixelOf(stored[1], 0, 0), 0xFF000000u);
  EXPECT_EQ(stored[0].end, stored[1].start);
}

TEST(FrameTimeline, EvenOffsetsWidenTheChangedRectangle) {
  std::vector<TimedFrame> stored;
  FrameTimeline timeline = pixelTimeline(10, {1000, 1, true}, stored);
  RgbImage picture(9, 9);
  timeline.add({picture, picture.bounds(), 0});
  timeline.add({picture, {3, 5, 4, 6}, 1});
  timeline.finish(2);
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1].rect, (PixelRect{2, 4, 4, 6}));
  EXPECT_EQ(stored[1].width(), 2);
  EXPECT_EQ(stored[1].payload.size(), 2u * 2u * 4u);
  EXPECT_EQ(stored[1].end, 200);
}

}  // namespace
}  // namespace sumimai::testing
