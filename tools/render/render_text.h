// sumimai-render --text: the characters of a text drawn by name into a still
// picture through the writing layer. A character is found in the working
// folder's 般若心経 first, then in the shipped data and its character library
// (writing/character_lookup.h). One character has the framing of its stroke
// file drawn alone; several are laid out as the sutra is written.
#pragma once

#include <optional>
#include <string>

#include "data_files/settings_file.h"
#include "drawing/ink_brush/brush_choice.h"
#include "export/ground.h"
#include "export/rgb_image.h"
#include "working_folder/data_places.h"
#include "writing/character_lookup.h"
#include "writing/composition.h"
#include "writing/layout.h"

namespace sumimai {

struct TextRender {
  std::string text;
  WritingDirection layout = WritingDirection::Columns;
  InkColour ink;
  Ground ground;
  std::optional<PictureSize> size;  // none: fitted to the layout
  std::optional<int> perLine;
  UnwrittenCharacters missing = UnwrittenCharacters::Refused;
  BrushChoice brush;
  LookupChoice locale;  // the tradition whose forms the characters take
};

// The picture, and the notes of what was boxed or left out. Throws
// ExportError naming what is wrong (a character without data when they are
// refused, bytes that are not UTF-8 and where they are).
RgbImage textPicture(const TextRender& render, const DataPlaces& places, std::vector<std::string>& notes);

// How many characters the text holds (0 when it is not UTF-8).
std::size_t charactersIn(const std::string& text);

}  // namespace sumimai
