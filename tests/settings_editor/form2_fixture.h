// A Form2 on recording services in a scratch folder: the preview's fill
// calls, the message boxes shown and the controls' changes are all kept for
// the test to read.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings_editor/form2.h"
#include "test_files.h"
#include "window/recording/control_log.h"
#include "window/recording/recording_canvas_control.h"
#include "window/recording/scripted_message_boxes.h"

namespace sumimai::testing {

class Form2Test : public ::testing::Test {
 protected:
  Form2Test();

  // Writes 設定.dat with these bytes and activates the window.
  void activateWith(const std::string& settingsBytes);
  // Activates the window as the window system does when it is first shown.
  void activate() { form2.form.onActivate(); }

  // The colours the preview was filled with, in order; each fill must cover
  // the whole preview.
  std::vector<Rgb> previewFills() const;
  std::string settingsBytes() const { return readFile(kSettingsFileName); }

  ScratchFolder folder;
  RecordingCanvasControl preview{"Picture1"};
  ScriptedMessageBoxes messages;
  Form2 form2{Form2Services{preview, messages}};
  ControlLog log;
};

}  // namespace sumimai::testing
