// A program's shell: the application, the window services a form is built
// from, and the view that shows it. main() creates one, builds its form from
// the services and hands the form to run().
#pragma once

#include <QApplication>
#include <memory>
#include <vector>

#include "qt_canvas.h"
#include "qt_form_view.h"
#include "qt_message_boxes.h"
#include "qt_picture_files.h"
#include "window/event_gate.h"

namespace sumimai {

class QtProgram {
 public:
  QtProgram(int& argc, char** argv);
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
  QApplication app_;
  EventGate gate_;
  QtMessageBoxes messages_;
  QtPictureFiles pictures_;
  std::vector<std::unique_ptr<QtCanvas>> canvases_;
  std::unique_ptr<QtFormView> view_;
};

}  // namespace sumimai
