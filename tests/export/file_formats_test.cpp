// Each kind of file the exporter writes, read back with decoders we did not
// write: frame counts and durations from the drawing clock, the pictures of
// the lossless formats, the video formats' layout; a write that fails.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include <webp/decode.h>

#include "decoders.h"
#include "drawing/drawing_pace.h"
#include "export/compositing.h"
#include "export/export_error.h"
#include "export/frame_canvas.h"
#include "export/png_writer.h"
#include "export/video_writer.h"
#include "export/webp_one_colour.h"
#include "export_fixture.h"

namespace sumimai::testing {
namespace {

using namespace std::chrono_literals;

class FileFormats : public ::testing::Test {
 protected:
  // The small character at 64 x 48 (a short drawing, about 3 frames at 30
  // a second) held for 0.2 s.
  ExportRequest request(const std::string& output, int fps = 30) {
    ExportRequest r = requestFor({smallCharacter()}, {64, 48}, output);
    r.fps = fps;
    r.hold = 200ms;
    r.style.ink = {40, 20, 90};
    r.ground.colour = {250, 240, 220};
    return r;
  }
  RgbImage ground() const { return RgbImage(64, 48, opaquePixel({250, 240, 220})); }

  ScratchFolder folder;
};

TEST_F(FileFormats, LosslessWebPShowsTheCanvasAtEveryFrameTimeAndEndsOnTheStill) {
  ExportRequest r = request("small.webp");
  r.style.speed = 3;  // stroke-start pauses, pacing rings: a longer drawing, many frames
  const ExportSummary summary = exportWriting(r);
  const RecordedDrawing recorded = recordDrawing(r);
  const DecodedAnimation webp = decodeWebP("small.webp");
  EXPECT_EQ(webp.width, 64);
  EXPECT_EQ(webp.height, 48);
  EXPECT_EQ(webp.loopCount, 0);
  ASSERT_GT(summary.frames, 10);
  ASSERT_FALSE(webp.frames.empty());
  EXPECT_EQ(webp.frames.back().end, frameTime(summary.frames, 30, 1000));
  // Frame k is shown from round(k / 30 s) ms: the decoded frame then.
  std::size_t at = 0;
  for (std::int64_t k = 0; k < summary.frames; ++k) {
    const std::int64_t ms = frameTime(k, 30, 1000);
    while (webp.frames[at].end <= ms) ++at;
    const std::size_t shown = std::min(callsShownBy(k, 30, kDrawingCallCost), recorded.calls.size());
    ASSERT_TRUE(samePicture(webp.frames[at].picture, pictureAfter(recorded, shown, ground()))) << "frame " << k;
  }
  EXPECT_TRUE(samePicture(webp.frames.back().picture, pictureAfter(recorded, recorded.calls.size(), ground())));
}

TEST_F(FileFormats, AllFormatsLastAsLongAsTheDrawingAndTheHold) {
  const ExportSummary webp = exportWriting(request("small.webp"));
  const std::int64_t frames = framesCovering(webp.drawing + 200ms, 30);
  EXPECT_EQ(webp.frames, frames);
  EXPECT_EQ(exportWriting(request("small.gif")).frames, frames);
  EXPECT_EQ(exportWriting(request("small.mp4")).frames, frames);
  EXPECT_EQ(exportWriting(request("small.webm")).frames, frames);
  const double seconds = static_cast<double>(frames) / 30;
  const DecodedAnimation animation = decodeWebP("small.webp");
  EXPECT_NEAR(animation.frames.back().end / 1000.0, seconds, 0.0005);
  EXPECT_NEAR(decodeGif("small.gif").frames.back().end / 100.0, seconds, 0.005);
  // The videos store the frames that change the picture, at the same times
  // as the WebP does, and the last picture again as the last frame.
  std::vector<double> changes{0};
  for (std::size_t i = 0; i + 1 < animation.frames.size(); ++i) changes.push_back(animation.frames[i].end / 1000.0);
  changes.push_back(static_cast<double>(frames - 1) / 30);
  for (const char* video : {"small.mp4", "small.webm"}) {
    const VideoFacts facts = readVideo(video);
    EXPECT_NEAR(facts.seconds, seconds, 0.0015) << video;
    ASSERT_EQ(facts.frameTimes.size(), changes.size()) << video;
    for (std::size_t i = 0; i < changes.size(); ++i) EXPECT_NEAR(facts.frameTimes[i], changes[i], 0.0015) << video;
    EXPECT_EQ(facts.pixelFormat, "yuv420p") << video;
    EXPECT_EQ(facts.width, 64) << video;
  }
  // An MP4 keeps each frame's duration, the last one's too.
  EXPECT_NEAR(readVideo("small.mp4").lastFrameEnd, seconds, 0.0015);
  EXPECT_EQ(readVideo("small.mp4").codec, "h264");
  EXPECT_EQ(readVideo("small.webm").codec, "vp9");
}

// The mean difference of the colour components of two pictures within rect.
double meanDifference(const RgbImage& a, const RgbImage& b, PixelRect rect) {
  double sum = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      for (int shift : {0, 8, 16}) sum += std::abs(int(a.at(x, y) >> shift & 0xFF) - int(b.at(x, y) >> shift & 0xFF));
    }
  }
  return sum / (3.0 * rect.width() * rect.height());
}

TEST_F(FileFormats, VideosOfSeveralCellsEndOnTheStill) {
  // Three characters in a row: each later cell is drawn while the encoder
  // alone holds the ink of the cells before it.
  ExportRequest r = requestFor(std::vector<StrokeSource>(3, smallCharacter()), {120, 48}, "three.png",
                               WritingDirection::Rows);
  r.style.ink = {40, 20, 90};
  r.ground.colour = {250, 240, 220};
  exportWriting(r);
  const RgbImage still = decodePng("three.png");
  ASSERT_GT(meanDifference(still, RgbImage(120, 48, opaquePixel({250, 240, 220})), r.composition.characters[2].cell), 10);
  for (const char* video : {"three.mp4", "three.webm"}) {
    r.output = video;
    exportWriting(r);
    const RgbImage last = readVideo(video).lastFrame;
    ASSERT_EQ(last.pixels.size(), still.pixels.size()) << video;
    // A cell without its ink would be some 10 levels off.
    for (const PlacedCharacter& placed : r.composition.characters) {
      EXPECT_LT(meanDifference(last, still, placed.cell), 5) << video << " at " << placed.cell.left;
    }
  }
}

TEST_F(FileFormats, LargeWebMsAreVp8AndKeepTheFramesAndTheirTimes) {
  EXPECT_EQ(videoCodecFor(FileKind::WebM, 4096, 4096), VideoCodec::Vp8);
  EXPECT_EQ(videoCodecFor(FileKind::WebM, 1920, 1080), VideoCodec::Vp9);
  // The small character in VP8, written as a large picture's WebM is, and
  // in VP9 as the exporter writes it at this size.
  ExportRequest r = request("vp8.webm");
  {
    WriterSettings settings;
    settings.width = 64, settings.height = 48, settings.fps = r.fps;
    VideoWriter writer(VideoCodec::Vp8, settings, r.output);
    FrameCanvas canvas(ground(), r.fps, writer);
    useRequestBrush(r, canvas.ground(), canvas);
    canvas.clock().setCallCost(kDrawingCallCost);
    drawRequest(r, canvas);
    canvas.finish(r.hold);
  }
  exportWriting(request("vp9.webm"));
  exportWriting(request("still.png"));
  const VideoFacts vp8 = readVideo("vp8.webm"), vp9 = readVideo("vp9.webm");
  EXPECT_EQ(vp8.container, vp9.container);
  EXPECT_EQ(vp8.codec, "vp8");
  EXPECT_EQ(vp8.pixelFormat, "yuv420p");
  EXPECT_EQ(vp8.width, 64);
  EXPECT_NEAR(vp8.seconds, vp9.seconds, 0.0015);
  ASSERT_EQ(vp8.frameTimes.size(), vp9.frameTimes.size());
  for (std::size_t i = 0; i < vp9.frameTimes.size(); ++i) EXPECT_NEAR(vp8.frameTimes[i], vp9.frameTimes[i], 0.0015) << i;
  const RgbImage still = decodePng("still.png");
  EXPECT_LT(meanDifference(vp8.lastFrame, still, still.bounds()), 2 * meanDifference(vp9.lastFrame, still, still.bounds()) + 1);
}

TEST_F(FileFormats, Mp4HasItsIndexBeforeItsData) {
  exportWriting(request("small.mp4"));
  const VideoFacts facts = readVideo("small.mp4");
  ASSERT_GE(facts.indexOffset, 0);
  EXPECT_LT(facts.indexOffset, facts.dataOffset);
}

TEST_F(FileFormats, GifOverAPlainGroundHasExactColoursAndFramesOfAtLeastTwoHundredths) {
  ExportRequest r = request("fast.gif", 60);
  r.style.speed = 2;
  r.loop = false;
  const ExportSummary summary = exportWriting(r);
  const DecodedAnimation gif = decodeGif("fast.gif");
  EXPECT_EQ(gif.loopCount, -1);  // plays once
  ASSERT_GT(gif.frames.size(), 2u);
  EXPECT_LT(gif.frames.size(), static_cast<std::size_t>(summary.frames));  // 60 a second merge into 50 or fewer
  std::int64_t before = 0;
  for (const DecodedFrame& frame : gif.frames) {
    EXPECT_GE(frame.end - before, 2);
    before = frame.end;
  }
  EXPECT_EQ(gif.frames.back().end, frameTime(summary.frames, 60, 100));
  const RecordedDrawing recorded = recordDrawing(r);
  EXPECT_TRUE(samePicture(gif.frames.back().picture, pictureAfter(recorded, recorded.calls.size(), ground())));
}

TEST_F(FileFormats, GifOverAPictureUsesChosenColoursCloseToTheStill) {
  RgbImage paper(66, 50);
  for (int y = 0; y < paper.height; ++y) {
    for (int x = 0; x < paper.width; ++x) paper.row(y)[x] = opaquePixel({200 + x % 40, 190 + y % 50, 150 + (x * y) % 60});
  }
  writePng(paper, "paper.png");
  ExportRequest r = request("paper.gif");
  r.ground.picture = "paper.png";
  exportWriting(r);
  r.output = "paper.png.png";
  exportWriting(r);
  const RgbImage still = decodePng("paper.png.png");
  const RgbImage last = decodeGif("paper.gif").frames.back().picture;
  double error = 0;
  for (std::size_t i = 0; i < still.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) error += std::abs(int(still.pixels[i] >> shift & 0xFF) - int(last.pixels[i] >> shift & 0xFF));
  }
  EXPECT_LT(error / (3.0 * still.pixels.size()), 4.0);
}

TEST_F(FileFormats, PngIsTheFinishedWriting) {
  ExportRequest r = request("small.png");
  exportWriting(r);
  const RecordedDrawing recorded = recordDrawing(r);
  EXPECT_TRUE(samePicture(decodePng("small.png"), pictureAfter(recorded, recorded.calls.size(), ground())));
}

TEST_F(FileFormats, LossyWebPStaysCloseToTheStill) {
  ExportRequest r = request("lossy.webp");
  r.quality = 80;
  exportWriting(r);
  const RecordedDrawing recorded = recordDrawing(r);
  const RgbImage still = pictureAfter(recorded, recorded.calls.size(), ground());
  const RgbImage last = decodeWebP("lossy.webp").frames.back().picture;
  int worst = 0;
  for (std::size_t i = 0; i < still.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(int(still.pixels[i] >> shift & 0xFF) - int(last.pixels[i] >> shift & 0xFF)));
  }
  EXPECT_GT(worst, 0);
  EXPECT_LT(worst, 96);
}

// libwebp's own decoder reads the one-colour image written without its
// encoder, at the sides where bit packing could slip: one pixel, odd sides,
// the longest side, a wide strip; clear and half-clear colours keep their
// alpha.
TEST(OneColourWebP, DecodesToEveryPixelOfItsColourAtItsSize) {
  const struct { int width, height; std::uint32_t pixel; } cases[] = {
      {1, 1, 0xFF000000u}, {3, 5, 0xFF123456u}, {16384, 2, 0xFFFFFFFFu}, {4096, 3, 0xFFFE01A5u}, {7, 16384, 0xFF00FF00u},
      {9, 4, 0x00000000u}, {5, 6, 0x80C04020u}};
  for (const auto& c : cases) {
    const std::vector<std::uint8_t> chunk = oneColourLosslessChunk(c.pixel, c.width, c.height);
    ASSERT_EQ(chunk.size() % 2, 0u);
    std::vector<std::uint8_t> file{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'E', 'B', 'P'};
    const auto riffSize = static_cast<std::uint32_t>(4 + chunk.size());
    std::memcpy(file.data() + 4, &riffSize, 4);
    file.insert(file.end(), chunk.begin(), chunk.end());
    int width = 0, height = 0;
    std::uint8_t* argb = WebPDecodeARGB(file.data(), file.size(), &width, &height);
    ASSERT_NE(argb, nullptr) << c.width << "x" << c.height;
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
    const std::uint8_t expected[4] = {static_cast<std::uint8_t>(c.pixel >> 24), static_cast<std::uint8_t>(c.pixel >> 16),
                                      static_cast<std::uint8_t>(c.pixel >> 8), static_cast<std::uint8_t>(c.pixel)};
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i)
      wrong += std::memcmp(argb + 4 * i, expected, 4) != 0;
    EXPECT_EQ(wrong, 0u) << c.width << "x" << c.height;
    WebPFree(argb);
  }
}

}  // namespace
}  // namespace sumimai::testing

namespace sumimai::testing {
namespace {

TEST_F(FileFormats, AWriteThatFailsNamesTheOutputAndTheReasonAndLeavesNoFile) {
  for (const char* name : {"full.webp", "full.gif", "full.mp4", "full.webm", "full.png"}) {
    std::string message;
    {
      FileSizeLimit full(200);
      try {
        exportWriting(request(name));
      } catch (const ExportError& e) {
        message = e.what();
      }
    }
    EXPECT_NE(message.find(std::string("cannot write ") + name), std::string::npos) << message;
    EXPECT_NE(message.find(std::strerror(EFBIG)), std::string::npos) << message;
    EXPECT_EQ(message.find(std::string(".") + name + "."), std::string::npos) << "names the temporary: " << message;
    EXPECT_TRUE(std::filesystem::is_empty(".")) << name;
  }
}

}  // namespace
}  // namespace sumimai::testing
