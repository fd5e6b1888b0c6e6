// What the user reads when a text holds a character that no source has.
#pragma once

#include <string>
#include <string_view>

#include "character_lookup.h"

namespace sumimai {

// "no strokes for the character 色", followed by what building the look-up
// had to leave out (a damaged library may be why).
std::string noStrokesFor(std::string_view character, const CharacterLookup& lookup);

}  // namespace sumimai
