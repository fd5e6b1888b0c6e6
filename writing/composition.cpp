#include "composition.h"

#include "core/printable.h"
#include "core/user_language.h"
#include "vertical_forms.h"

namespace sumimai {
namespace {

PlacedCharacter placedFrom(const TextCharacter& character, StrokesLoaded loaded, CharacterState unwritten) {
  PlacedCharacter placed{character.text, character.offset, {}, CharacterState::Written, {}, {}, {}};
  if (loaded.strokes) {
    placed.strokes = std::move(loaded.strokes);
  } else {
    placed.state = unwritten;
    placed.problem = std::move(loaded.problem);
  }
  return placed;
}

PlacedCharacter lookUp(const TextCharacter& character, const CharacterLookup& lookup, WritingDirection direction) {
  if (isBlank(character.text)) return {character.text, character.offset, {}, CharacterState::Blank, {}, {}, {}};
  const std::optional<StrokeSource> source = lookup.find(character.text, direction);
  if (!source) {
    return {character.text, character.offset, {}, CharacterState::Missing, {}, lookup.whyMissing(character.text), {}};
  }
  PlacedCharacter placed = placedFrom(character, loadStrokes(*source), CharacterState::Damaged);
  if (placed.strokes && lookup.borrowed(*source)) placed.borrowedFrom = source->tradition;
  // Our punctuation comes in the direction's own form already.
  if (placed.strokes && direction == WritingDirection::Columns && source->kind != StrokeSource::Kind::Punctuation) {
    setForColumns(character.text, *placed.strokes);
  }
  return placed;
}

Composed arranged(Composition composition, const LayoutRequest& layout) {
  std::string problem = arrange(composition, layout);
  return {std::move(composition), std::move(problem)};
}

bool unwritten(const PlacedCharacter& c) {
  return c.state == CharacterState::Missing || c.state == CharacterState::Damaged;
}

}  // namespace

std::string settleUnwritten(Composition& composition, UnwrittenCharacters what, const LayoutRequest& layout) {
  if (what == UnwrittenCharacters::Refused) return "";
  const std::string how = what == UnwrittenCharacters::Boxed ? userText("Writing", "%1 (an empty box in its place)")
                                                             : userText("Writing", "%1 (left out)");
  for (const PlacedCharacter& c : composition.characters) {
    if (unwritten(c)) composition.notes.push_back(filledIn(how, {c.problem}));
  }
  if (what == UnwrittenCharacters::Boxed) {
    composition.framesUnwritten = true;
    return "";
  }
  std::erase_if(composition.characters, unwritten);
  return arrange(composition, layout);
}

const PlacedCharacter* Composition::firstUnwritten() const {
  for (const PlacedCharacter& c : characters) {
    if (unwritten(c)) return &c;
  }
  return nullptr;
}

Composed composeText(std::string_view text, const CharacterLookup& lookup, const LayoutRequest& layout) {
  const TextCharacters split = charactersOf(text);
  if (!split.ok()) return {{}, split.problem};
  return composeCharacters(split.characters, lookup, layout);
}

Composed composeCharacters(const std::vector<TextCharacter>& characters, const CharacterLookup& lookup,
                           const LayoutRequest& layout) {
  Composition composition;
  composition.notes = lookup.notes();
  std::vector<std::pair<std::string, Tradition>> borrowed;
  for (const TextCharacter& c : characters) {
    composition.characters.push_back(lookUp(c, lookup, layout.direction));
    const PlacedCharacter& placed = composition.characters.back();
    if (placed.borrowedFrom) borrowed.emplace_back(placed.text, *placed.borrowedFrom);
  }
  for (std::string& note : borrowedNotes(borrowed, lookup.choice().tradition)) composition.notes.push_back(std::move(note));
  return arranged(std::move(composition), layout);
}

Composed composeSources(const std::vector<StrokeSource>& sources, const LayoutRequest& layout) {
  Composition composition;
  for (const StrokeSource& source : sources) {
    composition.characters.push_back(placedFrom({source.origin, 0}, loadStrokes(source), CharacterState::Damaged));
  }
  return arranged(std::move(composition), layout);
}

std::string arrange(Composition& composition, const LayoutRequest& layout) {
  std::vector<std::string> texts;
  for (const PlacedCharacter& c : composition.characters) texts.push_back(c.text);
  LayoutResult result = layOutText(texts, layout);
  if (!result.ok()) return result.problem;
  composition.picture = result.laid.picture;
  composition.framing = result.laid.framing;
  for (std::size_t i = 0; i < composition.characters.size(); ++i) composition.characters[i].cell = result.laid.cells[i];
  return "";
}

}  // namespace sumimai
