#include "window/pacer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace sumimai {
namespace {

using std::chrono::milliseconds;
using Duration = Pacer::Duration;

// A real clock that moves only when the pacer sleeps or the test says so.
struct FakeTime {
  Pacer::RealClock::time_point now{};
  std::vector<Duration> sleeps;
  Pacer::Timing timing() {
    return {[this] { return now; },
            [this](Duration d) {
              sleeps.push_back(d);
              now += d;
            }};
  }
};

// Charges calls of a fixed cost, as a canvas does, presenting whenever the
// pacer says; each call takes `work` of real time.
struct Drawing {
  FakeTime& time;
  Pacer& pacer;
  Duration charged{0};
  int presents = 0;
  void calls(int n, Duration cost, Duration work = Duration(0)) {
    for (int i = 0; i < n; ++i) {
      charged += cost;
      time.now += work;
      if (pacer.due(charged)) {
        pacer.waitForRealTime(charged);
        ++presents;
      }
    }
  }
};

TEST(Pacer, PresentsOncePerFrameOfChargedTimeNotPerCall) {
  FakeTime time;
  Pacer pacer(time.timing(), milliseconds(16), milliseconds(100));
  Drawing drawing{time, pacer};
  drawing.calls(1600, std::chrono::microseconds(10));  // 16 ms charged
  EXPECT_EQ(drawing.presents, 1);
  drawing.calls(16000, std::chrono::microseconds(10));  // 160 ms more
  EXPECT_EQ(drawing.presents, 11);
}

TEST(Pacer, RealTimeFollowsTheChargedTime) {
  FakeTime time;
  Pacer pacer(time.timing(), milliseconds(16), milliseconds(100));
  Drawing drawing{time, pacer};
  auto start = time.now;
  // One second charged, the calls themselves taking a tenth of it.
  drawing.calls(100000, std::chrono::microseconds(10), std::chrono::microseconds(1));
  Duration real = time.now - start;
  // The first frame anchors the pacing and the last part-frame is not
  // waited for; everything between is.
  EXPECT_GE(real, milliseconds(1000) - milliseconds(2 * 16));
  EXPECT_LE(real, milliseconds(1000));
  for (Duration d : time.sleeps) EXPECT_LE(d, milliseconds(16));
}

TEST(Pacer, IdleTimeIsNotOwedToTheNextDrawing) {
  FakeTime time;
  Pacer pacer(time.timing(), milliseconds(16), milliseconds(100));
  Drawing drawing{time, pacer};
  drawing.calls(10000, std::chrono::microseconds(10));  // 100 ms
  time.now += std::chrono::seconds(5);                   // a message box was open
  time.sleeps.clear();
  auto start = time.now;
  drawing.calls(10000, std::chrono::microseconds(10));  // 100 ms more
  // The second drawing is paced from where it starts (less its first frame),
  // not hurried through to make up for the idle seconds.
  EXPECT_GE(time.now - start, milliseconds(100) - milliseconds(2 * 16));
  EXPECT_FALSE(time.sleeps.empty());
}

TEST(Pacer, ASlowPresentationIsCaughtUpWithoutWaiting) {
  FakeTime time;
  Pacer pacer(time.timing(), milliseconds(16), milliseconds(100));
  Drawing drawing{time, pacer};
  drawing.calls(3200, std::chrono::microseconds(10));  // two frames: anchored
  time.now += milliseconds(40);                         // a presentation that took long
  time.sleeps.clear();
  drawing.calls(3200, std::chrono::microseconds(10));  // the next two frames
  EXPECT_TRUE(time.sleeps.empty());
  auto before = time.now;
  drawing.calls(6400, std::chrono::microseconds(10));  // four more: back in step
  EXPECT_FALSE(time.sleeps.empty());
  EXPECT_LE(time.now - before, milliseconds(64));
}

TEST(Pacer, NothingChargedNothingPresented) {
  FakeTime time;
  Pacer pacer(time.timing());
  Drawing drawing{time, pacer};
  drawing.calls(100000, Duration(0));
  EXPECT_EQ(drawing.presents, 0);
  EXPECT_TRUE(time.sleeps.empty());
}

}  // namespace
}  // namespace sumimai
