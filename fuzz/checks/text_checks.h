// Checks of the text item reader (both encodings) and the character list.
#pragma once

#include <string_view>

#include "problems.h"

namespace sumimai::fuzz {

// Reads bytes as items, as they are and again behind a UTF-8 byte-order mark,
// converts them directly, and reads them as the character list. Every item is
// well-formed UTF-8 with no line break; an unquoted item holds no comma and
// no blank at either end; there are never more items than separators + 1; the
// character list holds exactly the first 276 items in slots 1..276.
Problems checkTextItems(std::string_view bytes);

}  // namespace sumimai::fuzz
