// A window program started where there is no display (no DISPLAY, a server
// that is gone, no platform plugin that can start) would end in Qt's abort
// (status 134) after lines of plugin diagnostics. For as long as the guard
// is held, the start of the application says so in one sentence, in the
// user's language, and ends the program with status 1 instead.
#pragma once

#include <QtGlobal>

namespace sumimai {

class DisplayGuard {
 public:
  // programName leads the sentence ("Sumimai: ...").
  explicit DisplayGuard(const char* programName);
  ~DisplayGuard() { release(); }
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;

  // The application has started: Qt's own handling of messages again.
  void release();

 private:
  QtMessageHandler previous_ = nullptr;
  bool held_ = false;
};

}  // namespace sumimai
