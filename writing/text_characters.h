// The characters of a text: one code point each, a variation selector kept
// with the character before it (葛󠄀 stays one character).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sumimai {

struct TextCharacter {
  std::string text;         // its UTF-8 bytes
  std::size_t offset = 0;   // where they begin in the text (bytes)
};

struct [[nodiscard]] TextCharacters {
  std::vector<TextCharacter> characters;
  std::string problem;  // "" or, for bytes that are not UTF-8, where: "the text is not UTF-8 at byte offset 3 (...)"
  bool ok() const { return problem.empty(); }
};

// The text split into characters; strict UTF-8 (core/utf8.h).
TextCharacters charactersOf(std::string_view text);

// Whether a character leaves its cell empty: a space, an ideographic
// space, a tab or a line feed (or carriage return).
bool isBlank(std::string_view character);

}  // namespace sumimai
