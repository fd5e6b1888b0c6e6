// Checks of the settings file 設定.dat: reading it, and writing it back.
#pragma once

#include <string_view>

#include "problems.h"

namespace sumimai::fuzz {

// Reads bytes as 設定.dat. A file that reads holds four finite numbers and
// gives ring colours in 0..255; one that does not gives zeros and says why in
// UTF-8. The values read, written as the settings editor writes them, make an
// ASCII file of four CR LF lines that reads back to the same values (to 15
// significant digits), and writing those again gives the same file.
Problems checkSettingsFile(std::string_view bytes);

}  // namespace sumimai::fuzz
