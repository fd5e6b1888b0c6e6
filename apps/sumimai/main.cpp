// Sumimai: the main window, frameless over the whole screen.
#include "common/window_arguments.h"
#include "common/working_folder_start.h"
#include "drawing/drawing_pace.h"
#include "main_window/form1.h"
#include "window/qt/qt_program.h"

int main(int argc, char** argv) {
  if (auto status = sumimai::answerArguments(
          argc, argv, {"sumimai", "Sumimai writes the Heart Sutra with a simulated brush, stroke by stroke: the whole "
                                  "page at the start, then the character you click."}))
    return *status;
  sumimai::QtProgram program(argc, argv, {"Sumimai", "io.github.sumimai.Sumimai", ":/icon", "sumimai"});
  if (!sumimai::enterWorkingFolderOrTell(program.messages())) return 1;
  sumimai::QtCanvas& canvas = program.canvas("Picture1", sumimai::kDrawingCallCost);
  sumimai::Form1 form1({canvas, program.messages(), program.pictures()});
  return program.run(form1.form, form1.controlsInCreationOrder(), sumimai::WindowPlacement::FullScreen);
}
