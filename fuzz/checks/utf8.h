// UTF-8 validity as the C library's converter sees it: an oracle that does not
// share code with the readers under test.
#pragma once

#include <string_view>

namespace sumimai::fuzz {

// Whether text is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF, no cut sequence).
bool isValidUtf8(std::string_view text);

}  // namespace sumimai::fuzz
