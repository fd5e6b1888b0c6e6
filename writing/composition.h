// A text composed for writing: each character looked up, loaded and placed
// in its cell of the picture. A composition is made once and then drawn (on
// any cell canvas, cell_drawing.h), timed (composition_timing.h) or
// inspected: it says which characters have no data, and why.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "character_lookup.h"
#include "character_strokes.h"
#include "layout.h"
#include "text_characters.h"

namespace sumimai {

enum class CharacterState {
  Written,  // strokes found and loaded
  Blank,    // a space: its cell stays empty
  Missing,  // no source holds the character
  Damaged,  // a source holds it, but its data cannot be read
};

struct PlacedCharacter {
  std::string text;         // the character (UTF-8), or the stroke file's name
  std::size_t offset = 0;   // where it begins in the text (bytes)
  PixelRect cell;           // in the picture
  CharacterState state = CharacterState::Blank;
  std::optional<CharacterStrokes> strokes;  // when Written
  std::string problem;  // when Missing or Damaged: a sentence naming the character or its file
  std::optional<Tradition> borrowedFrom;  // when written in another tradition's forms than the text's
};

struct Composition {
  PictureSize picture;
  // Whether the cells of Missing and Damaged characters are drawn as an
  // empty cell in a dotted frame (settleUnwritten).
  bool framesUnwritten = false;
  Framing framing = Framing::AsTheMainWindow;  // how each character sits in its cell
  std::vector<PlacedCharacter> characters;
  std::vector<std::string> notes;  // what the look-up had to leave out, for the user

  // The first character that is Missing or Damaged, or null.
  const PlacedCharacter* firstUnwritten() const;
};

struct [[nodiscard]] Composed {
  Composition composition;
  std::string problem;  // "" or why there is no composition (the text is not UTF-8; the cells do not fit)
  bool ok() const { return problem.empty(); }
};

// The text split into characters (text_characters.h), each looked up for
// the layout's direction and loaded, then laid out. A character no source
// holds is kept as Missing ("no strokes for the character ☃"), one whose
// data is damaged as Damaged: the caller decides whether to write without
// them.
Composed composeText(std::string_view text, const CharacterLookup& lookup, const LayoutRequest& layout);
Composed composeCharacters(const std::vector<TextCharacter>& characters, const CharacterLookup& lookup,
                           const LayoutRequest& layout);

// Strokes given by their sources (stroke files named by the user,
// strokeFileSource()), one character each, laid out; the character's text
// is the source's origin.
Composed composeSources(const std::vector<StrokeSource>& sources, const LayoutRequest& layout);

// Places the characters anew (another size or direction): the picture, the
// cells and the framing. "" or why they do not fit (then nothing changes).
std::string arrange(Composition& composition, const LayoutRequest& layout);

// What becomes of the characters that cannot be written.
enum class UnwrittenCharacters {
  Refused,  // kept as they are: the caller refuses the text, naming the first
  Boxed,    // each keeps its cell, drawn empty in a dotted frame, and is named in a note
  Skipped,  // each is left out, named in a note, and the rest are placed anew
};

// Settles the characters that cannot be written as asked. "" or why the
// characters left do not fit (Skipped).
std::string settleUnwritten(Composition& composition, UnwrittenCharacters what, const LayoutRequest& layout);

}  // namespace sumimai
