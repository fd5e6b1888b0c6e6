// 呼び出し: the stroke file of the current character into the stroke table,
// and what the user is asked and told about it.
#include "data_files/file_paths.h"
#include "data_files/stroke_file.h"
#include "form1.h"
#include "form1_texts.h"
#include "renderer/drawability.h"

namespace sumimai {

void Form1::呼び出し() {
  if (!staysInFolder(StrokeFileName)) return refuseFileOutsideFolder();
  StrokeFileRead read = readStrokeFile(dataFilePath(StrokeFileName), StrokeTable, StrokeCount);
  if (read.status == StrokeFileStatus::Missing) return tellMissingStrokeFile();
  if (read.ok()) return;
  std::string prompt = dataFileDisplayName(StrokeFileName) + "\n" + read.problem;
  if (read.status == StrokeFileStatus::Damaged) prompt += std::string("\n") + Form1Texts::kStrokeDamagedGoOn;
  messages_.show(prompt, Form1Texts::kStrokeDamagedTitle, MessageBoxStyle::kOk);
}

// A name from the character list that leads out of the stroke folder
// ("../../x.mem") is not read: the table is left as an unreadable file
// leaves it, and the user is told.
void Form1::refuseFileOutsideFolder() {
  for (int i = 1; i <= kStrokeSlots; ++i) StrokeTable[i] = StrokeRecord{};
  StrokeTable[1].StartX = StrokeTerminator;
  StrokeCount = 1;
  messages_.show(dataFileDisplayName(StrokeFileName) + "\n" + Form1Texts::kOutsideFolder,
                 Form1Texts::kStrokeDamagedTitle, MessageBoxStyle::kOk);
}

// A file whose records the fitting shrinks to nothing on this canvas is told
// as a damaged one is; the drawing then goes on as it is (and shows nothing).
void Form1::tellIfUndrawable() {
  const Drawability drawable = drawabilityOf(StrokeTable, StrokeCount, Picture1.outerSize());
  if (drawable.visible) return;
  messages_.show(dataFileDisplayName(StrokeFileName) + "\n" + drawable.problem(), Form1Texts::kStrokeDamagedTitle,
                 MessageBoxStyle::kOk);
}

// The first missing file of the run asks whether missing files are to be
// reported; after Yes each one shows its path, after No none is reported.
void Form1::tellMissingStrokeFile() {
  if (MissingFileNotice == sumimai::MissingFileNotice::Unset) {
    int answer = messages_.show(Form1Texts::kAskMissingPrompt, Form1Texts::kAskMissingTitle, MessageBoxStyle::kYesNo);
    MissingFileNotice = answer == MessageBoxAnswer::kYes ? sumimai::MissingFileNotice::Report : sumimai::MissingFileNotice::Silent;
  }
  if (MissingFileNotice == sumimai::MissingFileNotice::Report) {
    messages_.show(dataFileDisplayName(StrokeFileName), Form1Texts::kMissingTitle, MessageBoxStyle::kOk);
  }
}

}  // namespace sumimai
