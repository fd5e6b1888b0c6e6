#include "text_characters.h"

#include "core/user_language.h"
#include "core/utf8.h"

namespace sumimai {
namespace {

bool isVariationSelector(char32_t c) { return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF); }

}  // namespace

TextCharacters charactersOf(std::string_view text) {
  TextCharacters split;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Step step = decodeUtf8At(text, at);
    if (step.fault != Utf8Fault::None) {
      split.problem = filledIn(userText("Writing", "the text is %1"), {utf8Problem(at, step.fault)});
      return split;
    }
    const std::string_view one = text.substr(at, step.length);
    if (isVariationSelector(step.codePoint) && !split.characters.empty()) {
      split.characters.back().text += one;
    } else {
      split.characters.push_back({std::string(one), at});
    }
    at += step.length;
  }
  return split;
}

bool isBlank(std::string_view character) {
  return character == " " || character == "\t" || character == "\n" || character == "\r" || character == "\u3000";
}

}  // namespace sumimai
