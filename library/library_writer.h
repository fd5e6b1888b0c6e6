// Writing the character library file (layout in library_format.h)
// from the stroke file texts of its characters.
#pragma once

#include <map>
#include <string>

namespace sumimai {

// The bytes of a library holding these stroke file texts; the same texts
// always give the same bytes.
std::string libraryBytes(const std::map<char32_t, std::string>& texts);

}  // namespace sumimai
