#include "model_character.h"

#include "renderer/brush_segment.h"

namespace sumimai::grading {
namespace {

Point sourcePoint(std::int32_t x, std::int32_t y) {
  return {x / kFileUnitsPerSourceUnit, y / kFileUnitsPerSourceUnit};
}

Path pathOf(const StrokeTable& table, StrokeSpan span) {
  Path path;
  for (int i = span.first; i <= span.last; ++i) {
    const StrokeRecord& r = table[static_cast<std::size_t>(i)];
    if (!isDrawnKind(r.Kind)) continue;
    // A record of Kind 2 goes on from the end of the one before it; any
    // other drawn kind starts at its own start point.
    if (r.Kind != kStrokeGoesOn) {
      const Point start = sourcePoint(r.StartX, r.StartY);
      if (path.empty() || !(path.back() == start)) path.push_back(start);
    }
    const Point end = sourcePoint(r.EndX, r.EndY);
    if (path.empty() || !(path.back() == end)) path.push_back(end);
  }
  return path;
}

}  // namespace

ModelCharacter modelOf(const CharacterStrokes& strokes) {
  ModelCharacter model;
  for (StrokeSpan span : strokeSpans(strokes)) {
    Path path = pathOf(strokes.table, span);
    if (!path.empty()) model.strokes.push_back(std::move(path));
  }
  return model;
}

ModelFound findModel(const CharacterLookup& lookup, std::string_view character) {
  const std::string name(character);
  const std::optional<StrokeSource> source = lookup.find(character, WritingDirection::Columns);
  if (!source) return {{}, lookup.whyMissing(character), {}};
  StrokesLoaded loaded = loadStrokes(*source);
  if (!loaded.strokes) return {{}, loaded.problem, {}};
  ModelCharacter model = modelOf(*loaded.strokes);
  if (model.strokes.empty()) return {{}, loaded.strokes->origin + ": no strokes drawn for " + name, {}};
  std::vector<std::string> notes;
  if (lookup.borrowed(*source)) notes = borrowedNotes({{name, *source->tradition}}, lookup.choice().tradition);
  return {std::move(model), "", std::move(notes)};
}

}  // namespace sumimai::grading
