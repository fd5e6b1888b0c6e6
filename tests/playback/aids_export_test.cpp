// The learning aids and the export of a writing: numbers placed apart from
// each other and from the ink, the grids' lines where each grid has them,
// the ghost under an unwritten cell, an export whose frames follow the
// playback, and a cancelled export that leaves no file and keeps an old one.
#include <gtest/gtest.h>

#include <filesystem>

#include "export/export_error.h"
#include "export/frame_writer.h"
#include "playback/playback_export.h"
#include "test_files.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;

constexpr char kTwoStrokes[] =
    "two\r\n1,1000,2000,3000,2000,1,25,,,,\r\n2,2000,1000,2000,3500,1,30,,,,\r\n"
    "3,2000,3500,1600,3200,2,10,,,,\r\n99999\r\n99999\r\n";

StrokeSource twoStrokes() { return {StrokeSource::Kind::StrokeFile, "two.mem", std::nullopt, kTwoStrokes, {}}; }

Composition twoCells() {
  Composed c = composeSources({twoStrokes(), twoStrokes()}, {WritingDirection::Rows, std::nullopt, PictureSize{192, 96}});
  EXPECT_TRUE(c.ok()) << c.problem;
  return std::move(c.composition);
}

int overlap(PixelRect a, PixelRect b) {
  const int w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

TEST(StudyAids, NumbersStayApartAndOffTheInk) {
  // Three strokes starting close together, ink over the left half.
  const std::vector<StrokeStart> starts{{{50, 50}, {1, 0}}, {{54, 50}, {1, 0}}, {{50, 54}, {0, 1}}};
  const auto inked = [](int x, int) { return x < 50; };
  const std::vector<NumberPlace> places = placeNumbers(starts, {120, 120}, 12, inked);
  ASSERT_EQ(places.size(), 3u);
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_GE(places[i].box.left, 50) << "number " << i + 1 << " over the ink";
    EXPECT_LE(places[i].box.right, 120);
    for (std::size_t j = 0; j < i; ++j) EXPECT_EQ(overlap(places[i].box, places[j].box), 0);
  }
  EXPECT_EQ(numberSize(7, 12).width, 6);
  EXPECT_GT(numberSize(12, 12).width, numberSize(7, 12).width);
}

TEST(StudyAids, EachGridDrawsItsOwnLines) {
  auto pixelsOf = [](PracticeGrid grid) {
    std::vector<std::uint32_t> pixels(90 * 90, 0xFFFFFFFF);
    drawGrid({pixels.data(), 90, {0, 0, 90, 90}}, {0, 0, 90, 90}, grid);
    return pixels;
  };
  auto marked = [](const std::vector<std::uint32_t>& p, int x, int y) { return p[y * 90 + x] != 0xFFFFFFFF; };
  const auto none = pixelsOf(PracticeGrid::None), cross = pixelsOf(PracticeGrid::Cross),
             star = pixelsOf(PracticeGrid::Star), nine = pixelsOf(PracticeGrid::NineSquares);
  EXPECT_FALSE(marked(none, 1, 45));
  EXPECT_TRUE(marked(cross, 1, 45));  // the frame
  EXPECT_TRUE(marked(cross, 44, 3) || marked(cross, 44, 4) || marked(cross, 45, 3));  // the middle line, dashed
  EXPECT_FALSE(marked(cross, 20, 20));
  int diagonal = 0;
  for (int i = 10; i < 30; ++i) diagonal += marked(star, i, i) || marked(star, i + 1, i);
  EXPECT_GT(diagonal, 5);  // 米字格 has the diagonals
  int third = 0;
  for (int y = 5; y < 85; ++y) third += marked(nine, 30, y) || marked(nine, 29, y);
  EXPECT_GT(third, 20);  // 九宮格 divides in thirds
  EXPECT_FALSE(marked(nine, 44, 20));
}

TEST(PlaybackExport, FramesFollowThePlaybackAndTheGhostShowsAhead) {
  WritingSession session(twoCells(), {});
  RgbImage ground(192, 96);
  // At the start nothing is written; with the ghost, the second cell shows
  // its character faintly at once.
  CellComposer plain(session, {}, {255, 255, 255}), ghosted(session, {true}, {255, 255, 255});
  session.timeAll();
  RgbImage a = ground, b = ground;
  for (std::size_t i = 0; i < 2; ++i) {
    plain.compose(i, ground.pixels.data(), {a.pixels.data(), 192, a.bounds()});
    ghosted.compose(i, ground.pixels.data(), {b.pixels.data(), 192, b.bounds()});
  }
  EXPECT_EQ(a, ground);
  EXPECT_NE(cropped(b, {96, 0, 192, 96}), cropped(ground, {96, 0, 192, 96}));

  testing::ScratchFolder scratch;
  const fs::path folder = scratch.path();
  PlaybackExport request;
  request.output = folder / "two.png";
  request.ground = ground;
  request.fps = 10;
  std::int64_t reported = 0;
  request.progress = [&](std::int64_t k, std::int64_t n) {
    reported = n;
    EXPECT_LE(k, n);
  };
  session.playback().scrub(DrawingClock::Duration(5));
  const std::int64_t frames = exportPlayback(session, request);
  EXPECT_EQ(frames, reported);
  EXPECT_EQ(frames, framesFor(session.playback().total(), request.hold, 10));
  EXPECT_EQ(session.playback().position(), DrawingClock::Duration(5));  // left where it was
  EXPECT_TRUE(fs::file_size(request.output) > 0);
}

TEST(PlaybackExport, ACancelledExportLeavesNoFileAndKeepsAnOldOne) {
  WritingSession session(twoCells(), {});
  testing::ScratchFolder scratch;
  const fs::path folder = scratch.path();
  PlaybackExport request;
  request.ground = RgbImage(192, 96);
  request.progress = [](std::int64_t k, std::int64_t) {
    if (k == 3) throw ExportError("cancelled");
  };
  request.output = folder / "new.webp";
  EXPECT_THROW(exportPlayback(session, request), ExportError);
  request.output = folder / "old.gif";
  testing::writeFile(request.output, "old");
  EXPECT_THROW(exportPlayback(session, request), ExportError);
  std::vector<fs::path> left;
  for (const auto& e : fs::directory_iterator(folder)) left.push_back(e.path().filename());
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0], "old.gif");
  EXPECT_EQ(testing::readFile(request.output), "old");
}

}  // namespace
}  // namespace sumimai
