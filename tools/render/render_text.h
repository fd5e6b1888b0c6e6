// sumimai-render --text: the characters of a text drawn by name into a still
// picture, through the exporter's look-up and layout. A character is found in
// the working folder's 般若心経 first, then in the shipped data and its
// character library (found from the program's own folder, installed or in
// the source tree). One character has the framing of its stroke file drawn
// alone; several are laid out as the sutra is written.
#pragma once

#include <optional>
#include <string>

#include "data_files/settings_file.h"
#include "export/ground.h"
#include "export/layout.h"

namespace sumimai {

struct TextRender {
  std::string text;
  LayoutDirection layout = LayoutDirection::Columns;
  InkColour ink;
  Ground ground;
  std::string output;                // a .png file
  std::optional<PictureSize> size;   // none: fitted to the layout
};

// Writes the picture; false after telling on stderr what is wrong (a
// character without data is named) — then no file is written.
bool renderText(const TextRender& render, const char* executable);

// The characters the text holds (0 when it is not UTF-8).
std::size_t charactersIn(const std::string& text);

}  // namespace sumimai
