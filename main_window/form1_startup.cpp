// Form_Resize: the layout, then the whole start-up sequence, at every change
// of the window's size (no guard: each run re-reads every file, redraws the
// sample and the page and rewrites the page picture).
#include "data_files/character_list.h"
#include "data_files/file_paths.h"
#include "data_files/folder_files.h"
#include "form1.h"
#include "form1_texts.h"
#include "renderer/clearing.h"
#include "renderer/drawing_sequence.h"
#include "renderer/page_drawing.h"

namespace sumimai {

void Form1::Form_Resize() {
  layOut();
  setCommandControlsVisible(false);
  readSettings();
  if (!drawSample() || !drawPage()) return;
  capturePage();
  if (form.ended() || !readCharacters()) return;
  Image5.setVisible(true);
  Image6.setVisible(true);
}

// 設定呼び出し. A missing, short or damaged file leaves speed 0 and black
// ink; the user is told once in the program's run, naming the file.
void Form1::readSettings() {
  SettingsRead read = 設定呼び出し(DrawSettings, InkColour);
  if (read.ok() || settingsTold_) return;
  settingsTold_ = true;
  tellFileProblem(kSettingsFileName, read.problem, Form1Texts::kSettingsFallback, Form1Texts::kSettingsTitle);
}

// The sample character 海 in the sample colour over the start picture,
// between start-up pauses, then a clear canvas.
bool Form1::drawSample() {
  if (!showStartPicture(kStartPicture)) return false;
  StrokeFileName = kSampleStrokeFile;
  呼び出し();
  if (form.ended()) return false;
  tellIfUndrawable();
  if (form.ended()) return false;
  InkColour = {160, 140, 50};
  fitCharacter(StrokeTable, StrokeCount, Picture1.outerSize());
  pause(1);
  描画(StrokeTable, drawingTarget(), DrawSettings.Speed, InkColour, brushState());
  pause(2);
  クリア(Picture1);
  return true;
}

void Form1::pause(int times) {
  for (int n = 0; n < times; ++n) startUpPause(Picture1);
}

// Loads a picture that start-up cannot go on without into イメージ1; when it
// cannot be loaded the user is told and the program ends.
bool Form1::showStartPicture(const std::string& file) {
  PictureLoad loaded = pictures_.load(file);
  if (!loaded.ok()) {
    endWithFileProblem(file, loaded.problem);
    return false;
  }
  イメージ1.setPicture(loaded.picture);
  return true;
}

bool Form1::readCharacters() {
  CharacterListRead read = readCharacterList(dataFilePath(kCharacterListName), SutraText);
  if (read.ok()) return true;
  endWithFileProblem(dataFileDisplayName(kCharacterListName), read.problem);
  return false;
}

// The file's name comes first, unless the problem already names it.
void Form1::tellFileProblem(const std::string& shownName, const std::string& problem, const char* consequence,
                            const char* title) {
  std::string prompt = problem.find(shownName) == std::string::npos ? shownName + "\n" + problem : problem;
  messages_.show(prompt + "\n" + consequence, title, MessageBoxStyle::kOk);
}

// Start-up cannot complete: the program ends with a status that tells so.
void Form1::endWithFileProblem(const std::string& shownName, const std::string& problem) {
  tellFileProblem(shownName, problem, Form1Texts::kStartUpFailedEnd, Form1Texts::kStartUpFailedTitle);
  form.end(kStartUpFailedStatus);
}

}  // namespace sumimai
