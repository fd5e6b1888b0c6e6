// sumimai-pacing-report STROKEFILE... [--page PAGEFILE]: for each stroke
// file and each Speed 0..12, the canvas calls of one drawing and the time
// the drawing clock charges for them; then one start-up pause and the page.
#include <cstdio>
#include <string>
#include <vector>

#include "pacing_figures.h"
#include "drawing/drawing_pace.h"
#include "drawing/recording/recording_canvas.h"

using namespace sumimai;

namespace {

void reportCharacter(const std::string& file) {
  std::printf("%s (call cost %lld ns)\n", file.c_str(), static_cast<long long>(kDrawingCallCost.count()));
  std::printf("  %5s %10s %9s %9s\n", "Speed", "calls", "seconds", "vs -2");
  std::vector<double> seconds;
  for (int speed = 0; speed <= 12; ++speed) {
    RecordingCanvas canvas;
    canvas.keepCalls = false;
    ChargedDrawing d = chargeCharacter(file, speed, canvas, kDrawingCallCost);
    seconds.push_back(d.seconds());
    std::string ratio = speed >= 2 ? std::to_string(d.seconds() / seconds[speed - 2]).substr(0, 5) : "";
    std::printf("  %5d %10llu %9.3f %9s\n", speed, static_cast<unsigned long long>(d.calls), d.seconds(),
                ratio.c_str());
  }
  std::printf("  Speed 10 / Speed 0: %.2f\n", seconds[10] / seconds[0]);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  std::string page;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--page" && i + 1 < argc)
      page = argv[++i];
    else
      files.push_back(arg);
  }
  if (files.empty() && page.empty()) {
    std::fprintf(stderr, "usage: sumimai-pacing-report STROKEFILE... [--page PAGEFILE]\n");
    return 2;
  }
  for (const std::string& file : files) reportCharacter(file);
  RecordingCanvas canvas;
  canvas.keepCalls = false;
  ChargedDrawing pause = chargePause(canvas, kDrawingCallCost);
  std::printf("start-up pause: %llu calls, %.3f s\n", static_cast<unsigned long long>(pause.calls), pause.seconds());
  if (!page.empty()) {
    ChargedDrawing d = chargePage(page, canvas, kPageDrawingCallCost);
    std::printf("page %s (call cost %lld ns): %llu calls, %.3f s\n", page.c_str(),
                static_cast<long long>(kPageDrawingCallCost.count()), static_cast<unsigned long long>(d.calls),
                d.seconds());
  }
  return 0;
}
