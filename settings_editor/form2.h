// Form2, the settings editor's only window: the drawing speed and the ink
// colour, kept in step across their scroll bars, text boxes and the colour
// preview, loaded from 設定.dat when the window is first activated and saved
// to it by "登　　録".
//
// The values speed, red, green and blue hold whatever number was last
// assigned to them: the number read from the file, a scroll bar's 16-bit
// value or a text box's numeric value. All of these are exact as doubles, and
// a whole double prints and displays exactly as the integer would, so plain
// doubles hold them.
//
// A scroll bar is only ever given a value inside its range: a number outside
// it (a speed in the file beyond 0..10, a typed component beyond 0..256, a
// number too large for 16 bits) moves the bar to the nearer end. The value
// itself is left as the change events leave it: when the bar moves, its
// handler replaces the value with the bar's; when the bar already stands at
// that end, the typed or read number stays and is what gets saved.
#pragma once

#include <vector>

#include "data_files/file_writing.h"
#include "data_files/settings_file.h"
#include "window/canvas_control.h"
#include "window/controls.h"
#include "window/message_boxes.h"
#include "window/window.h"

namespace sumimai {

struct Form2Services {
  CanvasControl& Picture1;  // the colour preview; owned by the caller
  MessageBoxes& messages;
};

class Form2 {
 public:
  // The window's client area as designed, in twips; the window is centred
  // on the screen.
  static constexpr SizeF kClientArea{4560, 4335};

  explicit Form2(Form2Services services);
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  Window form{"Form2", "設定"};

  CaptionControl Label1{"Label1", CaptionControl::Kind::Label};
  CaptionControl sp1p{"sp1p", CaptionControl::Kind::Label};
  CaptionControl Label3{"Label3", CaptionControl::Kind::Label};
  ScrollBar speed1{"speed1", 0, 10};
  CaptionControl Label4{"Label4", CaptionControl::Kind::Label};
  CaptionControl Frame2{"Frame2", CaptionControl::Kind::Frame};
  CaptionControl Label6{"Label6", CaptionControl::Kind::Label};
  CaptionControl Label7{"Label7", CaptionControl::Kind::Label};
  CaptionControl Label8{"Label8", CaptionControl::Kind::Label};
  ScrollBar HScroll2{"HScroll2", 0, 256};
  ScrollBar HScroll3{"HScroll3", 0, 256};
  ScrollBar HScroll4{"HScroll4", 0, 256};
  TextBox Text2{"Text2"};
  TextBox Text3{"Text3"};
  CanvasControl& Picture1;
  TextBox Text4{"Text4"};
  CaptionControl Command1{"Command1", CaptionControl::Kind::Button};
  CaptionControl Command2{"Command2", CaptionControl::Kind::Button};

  // The window values: line 1 and lines 2-4 of 設定.dat.
  double speed = 0;
  double red = 0;
  double green = 0;
  double blue = 0;

  // Every control, the first beneath the later ones.
  std::vector<Control*> controlsInCreationOrder();
  // The order in which the keyboard focus moves through the controls.
  std::vector<Control*> focusOrder();

  // Handlers, raised through the controls' events and the window's
  // onActivate (which runs Form_Activate on the first activation only, so
  // that a later activation never reloads over what the user has typed).
  void Form_Activate();
  void speed1_Change();
  void HScroll2_Change();
  void HScroll3_Change();
  void HScroll4_Change();
  void Text2_Change();
  void Text3_Change();
  void Text4_Change();
  void Command1_Click();  // saves, then closes; a failed save keeps the window open
  void Command2_Click();  // closes without saving

  // Procedures.
  void 呼び出し();  // reads 設定.dat; a missing or unusable file gives speed 0 and black
  void 色塗り();    // fills the preview with the current colour
  FileWrite 書き込み();  // replaces 設定.dat as one step

 private:
  void layOut();
  void connectEvents();
  void barChanged(const ScrollBar& bar, TextBox& text, double& component);
  void textChanged(const TextBox& text, ScrollBar& bar, double& component);

  MessageBoxes& messages_;
  bool activated_ = false;
};

}  // namespace sumimai
