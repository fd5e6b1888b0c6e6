// Saving the writing as a file from the window: the export runs on a
// thread of its own, over a copy of the writing, while a progress dialog
// shows how far it has come and offers Cancel (then no file is left, and a
// file of the same name stays as it was).
#pragma once

#include <QString>
#include <QWidget>

#include "playback/playback_export.h"

namespace sumimai {

struct SavingResult {
  enum Outcome { Saved, Cancelled, Failed } outcome = Saved;
  QString problem;  // when Failed
};

// A writing to save: what the window writes, and how.
struct WritingToSave {
  Composition composition;
  DrawingStyle style;
  CellInkOptions options;
};

SavingResult saveWithProgress(QWidget* parent, const WritingToSave& writing, const PlaybackExport& request);

}  // namespace sumimai
