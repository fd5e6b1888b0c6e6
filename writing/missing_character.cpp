#include "missing_character.h"

#include "core/printable.h"
#include "core/user_language.h"

namespace sumimai {

std::string noStrokesFor(std::string_view character, const std::vector<std::string>& notes) {
  std::string problem = filledIn(userText("Writing", "no strokes for the character %1"), {printable(character)});
  for (const std::string& note : notes) problem += "; " + note;
  return problem;
}

}  // namespace sumimai
