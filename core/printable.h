// Text from files and from the user made safe to show in a message: a
// control character (ESC, BEL, a line break, ...) would otherwise act on
// the terminal or the message box instead of being seen.
#pragma once

#include <string>
#include <string_view>

namespace sumimai {

// The UTF-8 text with every C0 control character and DEL written as
// "\x1B" and every C1 control character (U+0080..U+009F) as "\u009B";
// everything else, invalid bytes included, as it is.
std::string printable(std::string_view text);

}  // namespace sumimai
