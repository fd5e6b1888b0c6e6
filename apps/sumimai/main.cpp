// Sumimai: the main window, frameless over the whole screen, with its canvas.
#include "window_services/drawing_pace.h"
#include "window_services/qt/qt_program.h"

int main(int argc, char** argv) {
  sumimai::QtProgram program(argc, argv);
  sumimai::QtCanvas& canvas = program.canvas("Picture1", sumimai::kDrawingCallCost);
  sumimai::Window form("Form1", "Form1");
  // The canvas reaches a little beyond the window on every resize.
  form.onResize = [&] { canvas.setGeometry(0, 0, form.width() + 30, form.height() + 30); };
  return program.run(form, {&canvas}, sumimai::WindowPlacement::FullScreen);
}
