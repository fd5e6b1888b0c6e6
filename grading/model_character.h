// The model character the grader compares a learner's strokes with: its
// strokes in writing order, each the path of the brush's centre, in the
// source box (1024 x 1024 units, y downwards).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "path_geometry.h"
#include "writing/character_lookup.h"
#include "writing/character_strokes.h"

namespace sumimai::grading {

struct ModelCharacter {
  std::vector<Path> strokes;
};

// Stroke files hold a character in file units: ten per source unit, the
// box 0..10240 (as the converter writes them).
inline constexpr double kFileUnitsPerSourceUnit = 10;

// The drawn records of each stroke as a path in source units: a stroke
// starts at its first record's start point and passes through every drawn
// record's end point; a record that is not drawn (a corner that only bounds
// the fitting) adds nothing, and a stroke of such records only is left out.
ModelCharacter modelOf(const CharacterStrokes& strokes);

struct [[nodiscard]] ModelFound {
  ModelCharacter model;
  std::string problem;  // not empty when the character has no usable strokes
  std::vector<std::string> notes;  // the character taken from another tradition than the look-up's
  bool ok() const { return problem.empty(); }
};

// The character (one character, UTF-8) looked up as the programs look it
// up, in vertical writing's forms; a character without data, or whose data
// cannot be read, is refused by name.
ModelFound findModel(const CharacterLookup& lookup, std::string_view character);

}  // namespace sumimai::grading
