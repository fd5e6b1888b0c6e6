// A Form1 on the recording services in a scratch working folder holding
// small hand-made data files: a settings file, the two pictures, a sample
// stroke file, a page file of two strokes, a character list of 276
// characters 字1..字276, and stroke files for some of them.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window/form1.h"
#include "test_files.h"
#include "window/recording/control_log.h"
#include "window/recording/recording_canvas_control.h"
#include "window/recording/recording_pictures.h"
#include "window/recording/scripted_message_boxes.h"

namespace sumimai::testing {

// The characters of the list, by slot.
std::string character(int slot);

// A stroke file with these records, each "StartX,StartY,EndX,EndY,Kind,Thickness".
std::string strokeFile(const std::vector<std::string>& records);

// The character list: the first count characters 字1.., as UTF-8 with a
// byte-order mark.
std::string characterList(int count);

// The centre of the cell of a character number 1..276 on the page grid box
// 135, 2715, 14630, 8655 (the title in the column right of the box).
PointF cellCentre(int number);

// 1920 x 1080 pixels in twips.
constexpr float kScreenWidth = 28800;
constexpr float kScreenHeight = 16200;

class Form1Test : public ::testing::Test {
 protected:
  Form1Test();

  // Sets the window's size and raises its resize event, as the window system
  // does at the first display and at every change of size.
  void resize(float width, float height);
  // The first display at screen size; afterwards the records are emptied so
  // that a test sees only what it does.
  void startUp();
  void forget();
  // The user types a number into Text1; the records start afresh.
  void type(const std::string& text);
  // Start-up with the page grid box at its place before fitting, then a
  // left-button pick of the character of this number: the drawing view.
  void enterDrawingView(int number);
  // Moves the pointer to a position on イメージ1 and releases a button there.
  void releaseAt(PointF at, int button = 1);

  // The stroke file names drawn from, in order, since the last forget().
  std::vector<std::string> drawnFiles() const { return drawn; }
  std::vector<std::string> messageTitles() const;
  bool inPageView();
  bool inDrawingView();

  ScratchFolder folder;
  RecordingCanvasControl canvas;
  ScriptedMessageBoxes messages;
  RecordingPictures pictures;
  Form1 form1{{canvas, messages, pictures}};
  ControlLog log;
  std::vector<std::string> drawn;
};

}  // namespace sumimai::testing
