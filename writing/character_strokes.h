// A character's strokes loaded for drawing: the stroke table as its file
// gives it (not yet fitted), and the strokes it holds.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "character_lookup.h"
#include "data_files/stroke_table.h"

namespace sumimai {

struct CharacterStrokes {
  std::string origin;  // where they came from, for the user (StrokeSource::origin)
  StrokeSource::Kind kind = StrokeSource::Kind::StrokeFile;
  StrokeTable table{};
  StrokeCountValue count;  // the slot of the end mark
  // Whether the records stand on the converted characters' design box
  // (kEmBox, renderer/drawing_sequence.h), so that text can be set on it:
  // the library's characters, our punctuation and the stroke files the
  // converter wrote. Stroke files recorded otherwise are fitted to their ink.
  bool onEmBox = false;
};

struct [[nodiscard]] StrokesLoaded {
  std::optional<CharacterStrokes> strokes;
  std::string problem;  // when there are none: "ORIGIN: what is wrong" ("般若心経/色.mem: no such file")
};

// The strokes of a source; a file or text that cannot be read whole is
// refused, naming it.
StrokesLoaded loadStrokes(const StrokeSource& source);
// A stroke file given by name, named in messages as `shownName` (its path
// when empty).
StrokeSource strokeFileSource(const std::filesystem::path& file, std::string shownName = {});

// The records of one stroke: slots first..last of the table. A stroke
// begins at slot 1 and at every later Kind 1 record (kNewStroke) and runs
// to the record before the next; records that are not drawn belong to the
// stroke they stand in.
struct StrokeSpan {
  int first = 1, last = 1;
  bool operator==(const StrokeSpan&) const = default;
};

// The strokes of the loaded records, in writing order (none for a table
// without records).
std::vector<StrokeSpan> strokeSpans(const CharacterStrokes& strokes);

}  // namespace sumimai
