// The main window Form1: every value of the main program for the whole run,
// its controls, and the handlers and procedures that work on them. The
// window system is reached only through the services handed in: the canvas
// Picture1 (which contains every other control), message boxes and picture
// files. All positions and sizes are in twips.
//
// The window is always in one of three states: the page view (the page
// picture over the window, only Image5 and Image6 shown; picking acts),
// drawing (all command controls hidden) and the drawing view (the background
// picture, all command controls shown; buttons and keys act).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data_files/character_list.h"
#include "data_files/settings_file.h"
#include "data_files/stroke_table.h"
#include "renderer/brush.h"
#include "renderer/grid_box.h"
#include "window/canvas_control.h"
#include "window/controls.h"
#include "window/message_boxes.h"
#include "window/picture.h"
#include "window/window.h"

namespace sumimai {

// The exit status of a run whose start-up could not complete.
constexpr int kStartUpFailedStatus = 1;

// Whether missing stroke files are reported: asked once per run.
enum class MissingFileNotice { Unset = 0, Report = 1, Silent = 2 };

struct Form1Services {
  CanvasControl& Picture1;
  MessageBoxes& messages;
  PictureFiles& pictures;
};

class Form1 {
 public:
  explicit Form1(Form1Services services);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Picture1 first, then イメージ1 beneath all others, then the rest in the
  // order of the control table: the first lies beneath the later ones.
  std::vector<Control*> controlsInCreationOrder();

  // The command controls, in the order they are hidden and shown.
  std::vector<Control*> commandControls();

  // The window and its controls. Every control lies in Picture1.
  Window form{"Form1", "Form1"};
  CanvasControl& Picture1;
  PictureControl イメージ1{"イメージ1"};
  PictureControl Image1{"Image1"};
  PictureControl Image2{"Image2"};
  TextBox Text1{"Text1"};
  CaptionControl Label1{"Label1", CaptionControl::Kind::Label};
  PictureControl Image4{"Image4"};
  PictureControl Image3{"Image3"};
  PictureControl Image5{"Image5"};
  PictureControl Image6{"Image6"};

  // The values of the main program.
  sumimai::StrokeTable StrokeTable{};
  StrokeCountValue StrokeCount;
  std::string StrokeFileName;
  sumimai::MissingFileNotice MissingFileNotice = sumimai::MissingFileNotice::Unset;
  sumimai::PageStrokeTable PageStrokeTable;
  GridBox grid;
  SutraTextTable SutraText;
  sumimai::DrawSettings DrawSettings;
  sumimai::InkColour InkColour;
  double CurrentThickness = 0;

  // Start-up and layout.
  void Form_Resize();

  // Loads the stroke file StrokeFileName from the folder 般若心経 into
  // StrokeTable, and tells the user of a missing file (asking once per run
  // whether to) or of a damaged one.
  void 呼び出し();

  // Navigation and buttons.
  void DrawCurrentCharacter(bool slow);
  void StepCharacter(int step);
  void ShowSutraPage();
  void Image1_Click();
  void Image2_Click();
  void Image3_Click();
  void Image4_Click();
  void Image5_Click();
  void Image5_DblClick();
  void Label1_Click();

  // Keys: Windows virtual-key codes; the shift state is ignored.
  void Picture1_KeyDown(int keyCode, int shift);

  // The S key: the writing of the character on screen as an animated WebP
  // in the working folder, <number>_<character>.webp, drawn again on a
  // canvas of its own at the current Speed and ink over the background
  // picture; a notice says where it went, or why it could not be written.
  void SaveWriting();

  // The page picker; X and Y in twips from イメージ1's top-left corner.
  void イメージ1_MouseMove(int button, int shift, float X, float Y);
  void イメージ1_MouseUp(int button, int shift, float X, float Y);
  void イメージ1_DblClick();
  void イメージ1_Click();

 private:
  // Construction: the control table and the handlers.
  void createControls();
  void loadBuiltInPictures();
  void installHandlers();

  // Start-up steps; each false means the program has ended.
  void layOut();
  void readSettings();
  [[nodiscard]] bool drawSample();
  [[nodiscard]] bool drawPage();
  [[nodiscard]] bool loadPage();
  void capturePage();
  [[nodiscard]] bool readCharacters();
  [[nodiscard]] bool showStartPicture(const std::string& file);
  void pause(int times);

  // The page picture in イメージ1: 般若心経.bmp, or the captured page when
  // that file could not be written or read.
  void showPagePicture();
  void tellPagePictureProblem(const std::string& problem);
  void showBackgroundPicture();

  // Text1: its slot, confined to SutraText; the wrap into 1..276.
  int slotOfText1();
  void wrapText1();

  void setCommandControlsVisible(bool visible);
  // What SaveWriting writes: the character last drawn and its number.
  struct ShownCharacter {
    int number = 0;
    std::string character;
  };
  std::optional<ShownCharacter> shown_;

  // The canvas and the window's outer size, which the brush draws with; the
  // values the brush writes.
  DrawingTarget drawingTarget() { return {Picture1, form.outerSize()}; }
  BrushState brushState() { return {CurrentThickness, StrokeCount}; }
  void refuseFileOutsideFolder();
  void tellMissingStrokeFile();
  void tellIfUndrawable();
  // A box naming the file, what is wrong with it and what happens now.
  void tellFileProblem(const std::string& shownName, const std::string& problem, const char* consequence,
                       const char* title);
  void endWithFileProblem(const std::string& shownName, const std::string& problem);

  MessageBoxes& messages_;
  PictureFiles& pictures_;
  Picture capturedPage_;       // the page as captured at the last start-up
  bool pageFileSaved_ = false;  // 般若心経.bmp holds capturedPage_
  bool pageFileTold_ = false;   // the user has been told of a problem with it
  Picture background_;          // Picture2.jpg as loaded at the last start-up
  bool backgroundTold_ = false;  // the user has been told that Picture2.jpg cannot be read
  bool settingsTold_ = false;   // the user has been told of a problem with 設定.dat
};

}  // namespace sumimai
