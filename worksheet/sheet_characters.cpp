#include "sheet_characters.h"

#include "core/user_language.h"
#include "writing/missing_character.h"
#include "writing/text_characters.h"

namespace sumimai {

SheetCharacters sheetCharacters(std::string_view text, const CharacterLookup& lookup) {
  SheetCharacters result;
  std::vector<std::pair<std::string, Tradition>> borrowed;
  const TextCharacters split = charactersOf(text);
  if (!split.ok()) return {{}, split.problem, SheetRefusal::NotText, {}, {}};
  for (const TextCharacter& c : split.characters) {
    if (isBlank(c.text)) continue;
    const std::optional<StrokeSource> source = lookup.find(c.text, WritingDirection::Rows);
    if (!source) {
      return {{}, lookup.whyMissing(c.text), SheetRefusal::NoData, c.text, {}};
    }
    if (source->kind == StrokeSource::Kind::Punctuation) continue;
    if (lookup.borrowed(*source)) borrowed.emplace_back(c.text, *source->tradition);
    StrokesLoaded loaded = loadStrokes(*source);
    if (!loaded.strokes) return {{}, loaded.problem, SheetRefusal::NoData, c.text, {}};
    const int count = static_cast<int>(strokeSpans(*loaded.strokes).size());
    if (count == 0) return {{}, noStrokesFor(c.text), SheetRefusal::NoData, c.text, {}};
    result.characters.push_back({c.text, std::move(*loaded.strokes), count});
  }
  if (result.characters.empty()) {
    return {{}, userText("Worksheet", "the text holds no character to practise (punctuation and spaces are left out)"),
            SheetRefusal::NothingToPractise, {}, {}};
  }
  result.notes = borrowedNotes(borrowed, lookup.choice().tradition);
  return result;
}

}  // namespace sumimai
