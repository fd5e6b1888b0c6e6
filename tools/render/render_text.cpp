#include "render_text.h"

#include "export/export_error.h"
#include "export/still_picture.h"
#include "writing/character_lookup.h"

namespace sumimai {

std::size_t charactersIn(const std::string& text) {
  const TextCharacters split = charactersOf(text);
  return split.ok() ? split.characters.size() : 0;
}

RgbImage textPicture(const TextRender& render, const DataPlaces& places, std::vector<std::string>& notes) {
  const CharacterLookup lookup = standardLookup(places, render.locale);
  const LayoutRequest layout{render.layout, render.perLine, render.size};
  Composed composed = composeText(render.text, lookup, layout);
  if (composed.ok()) composed.problem = settleUnwritten(composed.composition, render.missing, layout);
  const PlacedCharacter* unwritten = composed.composition.firstUnwritten();
  if (unwritten && render.missing == UnwrittenCharacters::Refused) throw ExportError(unwritten->problem);
  if (!composed.ok()) throw ExportError(composed.problem);
  notes = composed.composition.notes;
  ExportRequest request;
  request.composition = std::move(composed.composition);
  request.style = {0, render.ink};
  request.ground = render.ground;
  request.brush = render.brush;
  return stillPicture(request);
}

}  // namespace sumimai
