// The learning aids and the export of a writing: numbers placed apart from
// each other and from the ink, the grids' lines where each grid has them,
// the ghost under an unwritten cell, an export whose frames follow the
// playback, a window's picture drawn ahead and composed cell by cell that
// equals the picture composed afresh wherever the playback goes, a
// cancelled export that leaves no file and keeps an old one, and a
// transparent ground kept by the files that can hold it, read back by
// decoders we did not write.
#include <gtest/gtest.h>

#include <filesystem>

#include "drawing/raster/pixel_arithmetic.h"
#include "../export/decoders.h"
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

StrokeSource twoStrokes() { return {StrokeSource::Kind::StrokeFile, "two.mem", std::nullopt, kTwoStrokes, {}, {}}; }

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

// Every cell composed at the session's position at once, as an export does.
RgbImage composedAfresh(DrawingClock::Duration at, LearningAids aids, const RgbImage& ground) {
  WritingSession session(twoCells(), {});
  session.timeAll();
  session.playback().scrub(at);
  CellComposer composer(session, aids, {255, 255, 255});
  RgbImage out = ground;
  for (std::size_t i = 0; i < 2; ++i) composer.compose(i, ground.pixels.data(), {out.pixels.data(), 192, out.bounds()});
  return out;
}

TEST(PlaybackExport, AWindowDrawingAheadShowsWhatAnExportComposesWhereverThePlaybackGoes) {
  const LearningAids every{true, true, true, true, PracticeGrid::Star};
  const RgbImage ground(192, 96);
  WritingSession session(twoCells(), {});
  session.timeAll();
  CellComposer window(session, every, {255, 255, 255}, CellComposer::Finishing::DrawnAhead);
  std::vector<std::optional<CellLook>> shown(2);
  RgbImage picture = ground;
  // The window's frame: the cells whose look changed, then a stroke drawn
  // ahead (the deadline has always passed).
  const auto frame = [&] {
    for (std::size_t i = 0; i < 2; ++i) {
      if (shown[i] == window.lookOf(i)) continue;
      window.compose(i, ground.pixels.data(), {picture.pixels.data(), 192, picture.bounds()});
      shown[i] = window.lookOf(i);
    }
    window.drawAhead(std::chrono::steady_clock::now());
  };
  frame();
  EXPECT_FALSE(window.lookOf(1).finished);  // the ghost comes a frame or more later
  for (int k = 0; k < 20 && !(session.finishedReady(0) && session.finishedReady(1)); ++k) frame();
  ASSERT_TRUE(session.finishedReady(0) && session.finishedReady(1));

  const DrawingClock::Duration total = session.playback().total();
  std::vector<DrawingClock::Duration> places;
  for (int k = 0; k <= 12; ++k) places.push_back(total * k / 12);                // played on
  for (int k : {7, 2, 11, 0, 5}) places.push_back(total * k / 12 + total / 37);  // jumps both ways
  for (DrawingClock::Duration at : places) {
    session.playback().scrub(at);
    frame();
    frame();
    EXPECT_EQ(picture, composedAfresh(at, every, ground)) << "at " << at.count() << " of " << total.count();
  }
  session.playback().scrub(total / 2);
  session.playback().stepBack();
  frame();
  EXPECT_EQ(picture, composedAfresh(session.playback().position(), every, ground));
  session.playback().stepForward();
  session.playback().stepForward();
  frame();
  EXPECT_EQ(picture, composedAfresh(session.playback().position(), every, ground));
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

// The writing of two cells in a red ink (black would hide colours
// premultiplied twice) exported over ground into file, as the Studio saves
// it, and the notes the export leaves.
struct Saved {
  fs::path file;
  std::vector<std::string> notes;
};
Saved saveTwoCells(const fs::path& file, const RgbImage& ground) {
  WritingSession session(twoCells(), DrawingStyle(0, {190, 40, 30}));
  PlaybackExport request;
  request.output = file;
  request.ground = ground;
  request.fps = 10;
  request.hold = std::chrono::milliseconds(200);
  exportPlayback(session, request);
  return {file, exportNotes(request)};
}

// Premultiplied 0xAARRGGBB of a decoded straight pixel.
std::uint32_t premultiplied(std::uint32_t straight) {
  return raster::premultiply(straight & 0xFFFFFF, straight >> 24);
}

// Checks a picture decoded from a transparent export against the same
// writing exported over white: nothing away from the ink, the ink where it
// is whole as it was, and its edges as much of it as over white.
void expectTransparentWriting(const RgbImage& decoded, const RgbImage& overWhite, const std::string& what) {
  ASSERT_EQ(decoded.bounds(), overWhite.bounds()) << what;
  int clear = 0, whole = 0, edge = 0;
  for (std::size_t i = 0; i < decoded.pixels.size(); ++i) {
    const std::uint32_t p = decoded.pixels[i], white = overWhite.pixels[i];
    const std::uint32_t alpha = p >> 24;
    if (white == 0xFFFFFFFF) {
      ASSERT_EQ(alpha, 0u) << what << ": pixel " << i << " away from the ink";
      ++clear;
    } else if (alpha == 0xFF) {
      ASSERT_EQ(p, white) << what << ": pixel " << i << " inside a stroke";
      ++whole;
    } else {
      // Laid over white the edge gives what the export over white gave.
      const std::uint32_t flat = raster::over(premultiplied(p), 0xFFFFFFFF);
      for (int shift : {0, 8, 16}) {
        ASSERT_NEAR(int(flat >> shift & 0xFF), int(white >> shift & 0xFF), 2) << what << ": edge pixel " << i;
      }
      ++edge;
    }
  }
  EXPECT_GT(clear, 1000) << what;
  EXPECT_GT(whole, 50) << what;
  EXPECT_GT(edge, 20) << what;
}

TEST(TransparentExport, PngAndWebPKeepTheGroundClearAndTheInkAsItWas) {
  testing::ScratchFolder scratch;
  const RgbImage clear(192, 96, 0), white(192, 96);
  const RgbImage overWhite = testing::decodePng(saveTwoCells("white.png", white).file);
  const Saved png = saveTwoCells("clear.png", clear), webp = saveTwoCells("clear.webp", clear);
  EXPECT_TRUE(png.notes.empty());
  EXPECT_TRUE(webp.notes.empty());
  expectTransparentWriting(testing::decodePng(png.file), overWhite, "PNG");
  const testing::DecodedAnimation animation = testing::decodeWebP(webp.file);
  ASSERT_GT(animation.frames.size(), 2u);
  expectTransparentWriting(animation.frames.back().picture, overWhite, "WebP's last frame");
  const RgbImage& first = animation.frames.front().picture;
  EXPECT_TRUE(std::all_of(first.pixels.begin(), first.pixels.end(), [](std::uint32_t p) { return p >> 24 == 0; }))
      << "nothing is written at the start";
  // Each frame replaces its part: a later frame keeps the ground clear.
  const RgbImage& middle = animation.frames[animation.frames.size() / 2].picture;
  EXPECT_EQ(middle.at(0, 0) >> 24, 0u);
}

TEST(TransparentExport, FilesThatCannotHoldItAreWrittenOverWhiteAndSaySo) {
  testing::ScratchFolder scratch;
  const RgbImage clear(192, 96, 0), white(192, 96);
  const Saved gif = saveTwoCells("clear.gif", clear), video = saveTwoCells("clear.webm", clear);
  EXPECT_EQ(testing::readFile(gif.file), testing::readFile(saveTwoCells("white.gif", white).file));
  EXPECT_EQ(testing::readVideo(video.file).lastFrame, testing::readVideo(saveTwoCells("white.webm", white).file).lastFrame);
  ASSERT_EQ(gif.notes.size(), 1u);
  EXPECT_NE(gif.notes[0].find("GIF"), std::string::npos) << gif.notes[0];
  ASSERT_EQ(video.notes.size(), 1u);
  EXPECT_NE(video.notes[0].find("WEBM"), std::string::npos) << video.notes[0];
  EXPECT_TRUE(saveTwoCells("white2.gif", white).notes.empty());
}

}  // namespace
}  // namespace sumimai
