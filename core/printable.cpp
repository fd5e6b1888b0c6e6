#include "printable.h"

#include <cstdio>

namespace sumimai {

std::string printable(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
    char escape[8] = {};
    if (byte < 0x20 || byte == 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
      std::snprintf(escape, sizeof escape, "\\u%04X", next);
      ++i;
    } else {
      shown.push_back(text[i]);
      continue;
    }
    shown.append(escape);
  }
  return shown;
}

}  // namespace sumimai
