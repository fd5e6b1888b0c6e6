// Checks of the text files the Studio opens: decoding and laying out.
#pragma once

#include <string_view>

#include "problems.h"

namespace sumimai::fuzz {

// Decodes bytes as a text file (UTF-8 or Shift-JIS) and lays the text out
// in columns and in rows with the programs' own punctuation. The text is
// UTF-8 without a byte-order mark or a last line break; bytes that are UTF-8
// come through unchanged. A layout that is refused says why; one that is
// made puts every cell inside the picture.
Problems checkTextFile(std::string_view bytes);

}  // namespace sumimai::fuzz
