// Checks of the character library's reader on arbitrary file bytes.
#pragma once

#include <string_view>

#include "problems.h"

namespace sumimai::fuzz {

// Opens bytes as a library file, as they are and again with the index's
// checksum made to match (so that damage beyond the checksum is reached
// too). A file that does not open says why, in UTF-8, naming the file. One
// that opens lists its characters in increasing order, finds each of them,
// and for each gives either the stroke file text of the recorded length,
// which then reads as a stroke table by the loaders' rules, or a reason; a
// code point it does not hold gives neither text nor reason.
Problems checkLibrary(std::string_view bytes);

}  // namespace sumimai::fuzz
