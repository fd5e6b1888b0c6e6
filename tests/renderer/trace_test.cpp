#include <gtest/gtest.h>

#include "renderer/trace/trace_lines.h"
#include "renderer/trace/trace_runs.h"
#include "test_files.h"

namespace sumimai {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

TEST(TraceLines, EveryCallHasItsLineWithShortestFloats) {
  EXPECT_EQ(traceLine(Ring{{100.6f, 100.8f}, 0.8f, {160, 140, 50}}), "ring 100.6 100.8 0.8 160 140 50");
  EXPECT_EQ(traceLine(LineCall{{1.5f, 2}, {3, 1e7f}, {200, 200, 0}}), "line 1.5 2 3 1e+07 200 200 0");
  EXPECT_EQ(traceLine(RectangleCall{{-10, -10}, {9000, 6000}, {255, 255, 255}, false}),
            "rect -10 -10 9000 6000 255 255 255");
  EXPECT_EQ(traceLine(ClearCall{}), "clear");
  // A float of 4 - 1/3 prints as the float, not as the double it came from.
  EXPECT_EQ(shortest(static_cast<float>(4 - 1.0 / 3)), "3.6666667");
  EXPECT_EQ(stateLine(std::nullopt, 0), "state StrokeCount=unset CurrentThickness=0");
  EXPECT_EQ(stateLine(3, 2.5), "state StrokeCount=3 CurrentThickness=2.5");
}

class TraceRuns : public ::testing::Test {
 protected:
  ScratchFolder folder;
  RecordingCanvas recorder;
};

TEST_F(TraceRuns, ACharacterIsScaledCorrectedClearedAndDrawn) {
  writeFile("two.mem",
            "header\r\n1,1000,2000,3000,2000,1,25,,,,\r\n2,2000,1000,2000,4000,1,25,,,,\r\n99999\r\n99999\r\n");
  TraceResult r = traceCharacter("two.mem", {9000, 6000}, 0, {0, 0, 0}, recorder);
  ASSERT_FALSE(recorder.calls.empty());
  EXPECT_EQ(recorder.calls.front(), CanvasCall(ClearCall{}));
  // Fitted: record 1 runs from (2693, 1931) to (6067, 1931), thickness 42.
  EXPECT_EQ(recorder.calls[1], CanvasCall(Ring{{2694, 1931}, static_cast<float>(42.0 / 3374), {0, 0, 0}}));
  // Record 2 starts at (4380, 244): a pen lift of Int(1687 * sqrt 2) = 2385 units, 5 rings each,
  // just right of the main window's canvas.
  std::size_t pause = 0;
  for (const Ring& ring : recorder.rings()) pause += ring.centre.x == 9100;
  EXPECT_EQ(pause, 5u * 2385);
  EXPECT_EQ(r.StrokeCount, 3);
  EXPECT_EQ(r.CurrentThickness, 42);
  EXPECT_TRUE(r.messages.empty());
}

TEST_F(TraceRuns, AMissingCharacterIsNamedAndDrawsNothing) {
  TraceResult r = traceCharacter("none.mem", {9000, 6000}, 0, {0, 0, 0}, recorder);
  EXPECT_EQ(recorder.calls, (std::vector<CanvasCall>{ClearCall{}}));
  EXPECT_EQ(r.messages, (std::vector<std::string>{"none.mem / ファイルがありません。"}));
  // The backstop end mark in slot 100 is where the empty table ends.
  EXPECT_EQ(r.StrokeCount, 100);
}

TEST_F(TraceRuns, ThePageGetsItsGridThenItsStrokesInTheSettingsColour) {
  writeFile("page.mem", "page\r\n1,300,2800,300,3000,1,20,,,,\r\n2,14400,8500,14400,8400,1,20,,,,\r\n99999\r\n99999\r\n");
  TraceResult r = tracePage("page.mem", {15360, 11520}, {12.5, 256, 3}, recorder);
  ASSERT_GE(recorder.calls.size(), 40u);
  EXPECT_EQ(recorder.calls[0], CanvasCall(ClearCall{}));
  EXPECT_EQ(recorder.lineCount, 38u);
  const auto* box = std::get_if<RectangleCall>(&recorder.calls[39]);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->colour, (Rgb{250, 250, 0}));
  const auto* firstRing = std::get_if<Ring>(&recorder.calls[40]);
  ASSERT_NE(firstRing, nullptr);
  EXPECT_EQ(firstRing->colour, (Rgb{12, 255, 3}));
  EXPECT_EQ(r.StrokeCount, 3);
}

}  // namespace
}  // namespace sumimai
