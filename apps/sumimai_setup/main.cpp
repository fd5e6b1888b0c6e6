// SumimaiSetup: the settings editor, a window captioned "設定" centred on
// the screen.
#include "common/window_arguments.h"
#include "common/working_folder_start.h"
#include "settings_editor/form2.h"
#include "window/qt/qt_program.h"

int main(int argc, char** argv) {
  if (auto status = sumimai::answerArguments(
          argc, argv, {"sumimai-setup", "sumimai-setup sets Sumimai's drawing speed and ink colour (設定.dat)."}))
    return *status;
  sumimai::QtProgram program(argc, argv, {"SumimaiSetup", "io.github.sumimai.SumimaiSetup", ":/icon", "sumimai-setup"});
  if (!sumimai::enterWorkingFolderOrTell(program.messages())) return 1;
  sumimai::QtCanvas& preview = program.canvas("Picture1", {});
  sumimai::Form2 form2({preview, program.messages()});
  return program.run(form2.form, form2.controlsInCreationOrder(), sumimai::WindowPlacement::Centred,
                     form2.focusOrder());
}
