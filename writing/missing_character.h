// What the user reads when a text holds a character that no source has.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sumimai {

// "no strokes for the character 色", followed by the notes of the look-up
// asked (what building it had to leave out: a damaged library may be why).
std::string noStrokesFor(std::string_view character, const std::vector<std::string>& notes = {});

}  // namespace sumimai
