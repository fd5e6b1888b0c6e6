// sumimai-paced-check STROKEFILE SPEED [--page PAGEFILE]: draws the character
// (and the page) through the Qt canvas, paced, and compares the real time
// each drawing took with the time its clock charged. Prints one line per
// drawing and exits 1 when one is off by more than 10%.
#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "pacing_figures.h"
#include "drawing/drawing_pace.h"
#include "window/qt/qt_canvas.h"

using namespace sumimai;

namespace {

template <typename Draw>
bool check(const char* what, Draw draw) {
  auto start = std::chrono::steady_clock::now();
  ChargedDrawing d = draw();
  double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  double off = d.seconds() > 0 ? std::abs(real - d.seconds()) / d.seconds() : 0;
  bool ok = off <= 0.10;
  std::printf("%s: %llu calls, charged %.3f s, real %.3f s, off by %.1f%% %s\n", what,
              static_cast<unsigned long long>(d.calls), d.seconds(), real, off * 100, ok ? "ok" : "TOO FAR");
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: sumimai-paced-check STROKEFILE SPEED [--page PAGEFILE]\n");
    return 2;
  }
  std::string file = argv[1];
  double speed = std::stod(argv[2]);
  // The canvas in a screen-sized window, as the main window holds it.
  QWidget window;
  window.resize(1920, 1080);
  QtCanvas canvas("Picture1");
  canvas.widget()->setParent(&window);
  canvas.setGeometry(0, 0, kCanvasTwips.width, kCanvasTwips.height);
  canvas.widget()->resize(1922, 1082);
  canvas.windowResized();
  window.show();
  QApplication::processEvents();
  bool ok = check(("character " + file + " at Speed " + argv[2]).c_str(),
                  [&] { return chargeCharacter(file, speed, canvas, kDrawingCallCost); });
  ok = check("start-up pause", [&] { return chargePause(canvas, kDrawingCallCost); }) && ok;
  if (argc >= 5 && std::string(argv[3]) == "--page") {
    std::string page = argv[4];
    ok = check(("page " + page).c_str(), [&] { return chargePage(page, canvas, kPageDrawingCallCost); }) && ok;
  }
  return ok ? 0 : 1;
}
