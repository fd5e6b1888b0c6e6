// The command line of a window program: it takes no arguments but --help
// (-h) and --version, which print in the user's language and end the
// program before any window opens, so both work without a display. Any other
// argument is a usage error (status 2, as the command-line tools).
#pragma once

#include <optional>

namespace sumimai {

struct WindowProgramAbout {
  const char* command;  // the installed name: "sumimai"
  const char* summary;  // one English sentence, translated for the help
};

// Nothing when the program is to go on; otherwise the status to end with.
std::optional<int> answerArguments(int argc, char** argv, const WindowProgramAbout& about);

}  // namespace sumimai
