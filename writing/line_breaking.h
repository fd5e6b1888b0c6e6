// Lines of a text as Japanese text is set: a line feed ends a line (two in
// a row leave an empty one), a line longer than the characters a line holds
// goes on in the next, and the line breaking rules hold where it wraps:
// closing brackets, 、。，．！？・…‥, ー, the iteration marks and the small
// kana do not begin a line, opening brackets do not end one. A character
// that may not begin the next line takes the one before it along (and that
// one, if it too must not stand there), so that lines end short rather than
// longer than the grid; a line is never emptied that way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sumimai {

// A character's place: its line (from 0) and where along it (from 0). A
// line feed (or a carriage return) has no place.
struct LinePlace {
  int line = 0, along = 0;
  bool placed = true;
  bool operator==(const LinePlace&) const = default;
};

struct TextLines {
  std::vector<LinePlace> places;  // one per character
  int lines = 0;                  // up to the last line that holds a character
};

// The places of the characters (each the UTF-8 of one) in lines of at most
// perLine (at least 1).
TextLines breakLines(const std::vector<std::string>& characters, int perLine);

// The length of the longest line between line feeds (0 for none).
int longestLine(const std::vector<std::string>& characters);

bool isLineFeed(std::string_view character);
// ぁぃぅぇぉっゃゅょゎゕゖ and their katakana, with the small katakana for Ainu.
bool isSmallKana(std::string_view character);
bool mayNotBeginALine(std::string_view character);
bool mayNotEndALine(std::string_view character);

}  // namespace sumimai
