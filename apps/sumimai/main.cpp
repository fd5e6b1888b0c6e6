// Sumimai: the main window, frameless over the whole screen.
#include "main_window/form1.h"
#include "drawing/drawing_pace.h"
#include "window/qt/qt_program.h"

int main(int argc, char** argv) {
  sumimai::QtProgram program(argc, argv);
  sumimai::QtCanvas& canvas = program.canvas("Picture1", sumimai::kDrawingCallCost);
  sumimai::Form1 form1({canvas, program.messages(), program.pictures()});
  return program.run(form1.form, form1.controlsInCreationOrder(), sumimai::WindowPlacement::FullScreen);
}
