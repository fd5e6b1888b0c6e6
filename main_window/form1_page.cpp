// The sutra page: its strokes fitted and drawn with the grid over the
// background picture, captured into the page picture 般若心経.bmp, and shown
// over the whole window for picking.
#include <initializer_list>

#include "data_files/file_paths.h"
#include "data_files/stroke_file.h"
#include "drawing/drawing_pace.h"
#include "form1.h"
#include "form1_texts.h"
#include "renderer/drawability.h"
#include "renderer/drawing_sequence.h"

namespace sumimai {

bool Form1::drawPage() {
  if (!showStartPicture(kBackgroundPicture)) return false;
  background_ = イメージ1.picture();
  if (!loadPage()) return false;
  grid = fitPage(PageStrokeTable, StrokeCount, drawingTarget());
  ScopedCallCost pageCost(Picture1.clock(), kPageDrawingCallCost);
  drawFittedPage(PageStrokeTable, grid, Picture1, DrawSettings, InkColour, brushState());
  return true;
}

// The page strokes from 般若心経\般若心経.mem. A missing or unreadable file
// ends the program; a file damaged part-way draws the records before the
// damage, and one whose records cannot be seen at this size only the grid,
// after telling the user.
bool Form1::loadPage() {
  StrokeFileRead read = readPageFile(dataFilePath(kPageStrokeFile), PageStrokeTable, StrokeCount);
  const std::string shown = dataFileDisplayName(kPageStrokeFile);
  if (read.status == StrokeFileStatus::Missing || read.status == StrokeFileStatus::Unreadable) {
    endWithFileProblem(shown, read.status == StrokeFileStatus::Missing ? "ファイルがありません。" : read.problem);
    return false;
  }
  if (read.status == StrokeFileStatus::Damaged) {
    tellFileProblem(shown, read.problem, Form1Texts::kPageDamagedGoOn, Form1Texts::kPageDamagedTitle);
    if (form.ended()) return false;
  }
  const Drawability drawable = drawabilityOf(PageStrokeTable, StrokeCount, Picture1.outerSize());
  if (!drawable.visible) {
    tellFileProblem(shown, drawable.problem(), Form1Texts::kPageBlankGoOn, Form1Texts::kPageDamagedTitle);
  }
  return !form.ended();
}

// What the canvas shows is taken before the message box opens (which lets
// the window repaint), becomes the canvas's picture and is saved as
// 般若心経.bmp, which is then shown over the whole window.
void Form1::capturePage() {
  Picture captured = Picture1.capture();
  messages_.show(Form1Texts::kPickPrompt, Form1Texts::kPickTitle, MessageBoxStyle::kOk);
  if (form.ended()) return;
  Picture1.setPicture(captured);
  capturedPage_ = captured;
  pageFileTold_ = false;
  PictureSave saved = Picture1.savePicture(kPagePicture);
  pageFileSaved_ = saved.ok();
  if (!saved.ok()) tellPagePictureProblem(saved.problem);
  showPagePicture();
}

// 般若心経.bmp into イメージ1. When the file was not written at the last
// start-up (an older file would show another page) or cannot be read, the
// captured page stands in for it; the user is told once per start-up.
void Form1::showPagePicture() {
  if (pageFileSaved_) {
    PictureLoad loaded = pictures_.load(kPagePicture);
    if (loaded.ok()) {
      イメージ1.setPicture(loaded.picture);
      return;
    }
    tellPagePictureProblem(loaded.problem);
  }
  イメージ1.setPicture(capturedPage_);
}

void Form1::tellPagePictureProblem(const std::string& problem) {
  if (pageFileTold_) return;
  pageFileTold_ = true;
  tellFileProblem(kPagePicture, problem, Form1Texts::kPagePictureFallback, Form1Texts::kPagePictureTitle);
}

// Picture2.jpg into イメージ1 as the drawing view's background; when it
// cannot be read now, the copy loaded at start-up stands in (told once).
void Form1::showBackgroundPicture() {
  PictureLoad loaded = pictures_.load(kBackgroundPicture);
  if (loaded.ok()) {
    イメージ1.setPicture(loaded.picture);
    return;
  }
  if (!backgroundTold_) {
    backgroundTold_ = true;
    tellFileProblem(kBackgroundPicture, loaded.problem, Form1Texts::kBackgroundFallback,
                    Form1Texts::kBackgroundTitle);
  }
  イメージ1.setPicture(background_);
}

void Form1::ShowSutraPage() {
  showPagePicture();
  for (Control* control : std::initializer_list<Control*>{&Image1, &Image2, &Image3, &Image4, &Label1, &Text1}) {
    control->setVisible(false);
  }
}

}  // namespace sumimai
