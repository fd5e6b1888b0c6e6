// SumimaiSetup: the settings editor, a window captioned "設定" centred on
// the screen.
#include "settings_editor/form2.h"
#include "window/qt/qt_program.h"

int main(int argc, char** argv) {
  sumimai::QtProgram program(argc, argv);
  sumimai::QtCanvas& preview = program.canvas("Picture1", {});
  sumimai::Form2 form2({preview, program.messages()});
  return program.run(form2.form, form2.controlsInCreationOrder(), sumimai::WindowPlacement::Centred,
                     form2.focusOrder());
}
