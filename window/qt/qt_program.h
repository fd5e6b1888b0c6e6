// A program's shell: the application, the window services a form is built
// from, and the view that shows it. main() creates one, builds its form from
// the services and hands the form to run().
//
// The shell also makes the program a desktop citizen: the desktop knows it
// by its identity, and a request to end it (the window manager's close, the
// end of the session, SIGTERM) ends it at once, in the middle of a drawing
// too: between frames the pacing lets the window system's events through
// (held_input.h) and the program ends when asked to.
#pragma once

#include <QApplication>
#include <memory>
#include <vector>

#include "display_guard.h"
#include "held_input.h"
#include "qt_canvas.h"
#include "qt_form_view.h"
#include "qt_message_boxes.h"
#include "qt_picture_files.h"
#include "termination_signals.h"
#include "window/event_gate.h"

namespace sumimai {

// How the desktop knows a program.
struct ProgramIdentity {
  // The class in the windows' WM_CLASS, which the desktop entry's
  // StartupWMClass names.
  const char* name;
  // The desktop entry's id (its file name without ".desktop").
  const char* desktopId;
  // The windows' icon: a Qt resource folder holding <size>.png files.
  const char* iconFolder;
  // The installed command, which leads the program's messages on a terminal.
  const char* command;
};

class QtProgram {
 public:
  QtProgram(int& argc, char** argv, const ProgramIdentity& identity);
  ~QtProgram();

  // A canvas of the form, its calls charged at callCost each (see
  // drawing_pace.h); the program owns it.
  QtCanvas& canvas(std::string name, DrawingClock::Duration callCost);
  QtMessageBoxes& messages() { return messages_; }
  QtPictureFiles& pictures() { return pictures_; }

  // Shows the window with its controls (creation order) and runs until the
  // program ends. focusOrder, when given, is the order of the keyboard focus.
  int run(Window& window, const std::vector<Control*>& controls, WindowPlacement placement,
          const std::vector<Control*>& focusOrder = {});

 private:
  void betweenFrames();
  void endOnRequest();

  DisplayGuard display_;  // while app_ starts
  QApplication app_;
  HeldInput heldInput_;
  TerminationSignals signals_;
  EventGate gate_;
  QtMessageBoxes messages_;
  QtPictureFiles pictures_;
  std::vector<std::unique_ptr<QtCanvas>> canvases_;
  Window* window_ = nullptr;  // the form's window, once run
  std::unique_ptr<QtFormView> view_;
};

}  // namespace sumimai
