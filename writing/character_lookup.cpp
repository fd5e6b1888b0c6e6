#include "character_lookup.h"

#include <algorithm>

#include "core/printable.h"
#include "core/user_language.h"
#include "core/utf8.h"
#include "data_files/file_paths.h"
#include "data_files/folder_files.h"
#include "missing_character.h"
#include "punctuation.h"

namespace sumimai {
namespace fs = std::filesystem;

std::optional<StrokeSource> StrokeFolder::find(std::string_view character, WritingDirection) const {
  const std::string name = strokeFileName(character);
  if (!staysInFolder(name)) {
    return StrokeSource{StrokeSource::Kind::StrokeFile, name, {}, {},
                        filledIn(userText("Writing", "the character %1 would name a file outside the stroke folder %2; it is not read"),
                                 {printable(character), folder_.string()}), Tradition::Japanese};
  }
  const fs::path file = findFile(folder_ / name);
  if (!fileExists(file)) return std::nullopt;
  return StrokeSource{StrokeSource::Kind::StrokeFile, printable(file.string()), file, {}, {}, Tradition::Japanese};
}

std::optional<StrokeSource> LibrarySource::find(std::string_view character, WritingDirection) const {
  const Utf8Decoded decoded = decodeUtf8(character);
  if (!decoded.ok() || decoded.codePoints.size() != 1) return std::nullopt;
  const LibraryEntryRead entry = library_.entry(decoded.codePoints.front());
  if (!entry.problem.empty()) return StrokeSource{StrokeSource::Kind::Library, origin_, {}, {}, entry.problem, tradition_};
  if (!entry.text) return std::nullopt;
  return StrokeSource{StrokeSource::Kind::Library, origin_ + " (" + printable(character) + ")", {}, *entry.text, {}, tradition_};
}

std::optional<StrokeSource> CharacterLookup::find(std::string_view character, WritingDirection direction) const {
  for (const auto& source : sources_) {
    if (auto found = source->find(character, direction)) return found;
  }
  return std::nullopt;
}

std::string CharacterLookup::whyMissing(std::string_view character) const {
  std::vector<std::string> why;
  for (const auto& source : refused_) {
    const std::optional<StrokeSource> found = source->find(character, WritingDirection::Columns);
    if (!found || !found->tradition) continue;
    why.push_back(filledIn(userText("Writing", "the %1 library does not hold it, and the strokes of %2 are refused (--strict-locale)"),
                           {std::string(traditionName(choice_.tradition)), std::string(traditionName(*found->tradition))}));
    break;
  }
  why.insert(why.end(), notes_.begin(), notes_.end());
  return noStrokesFor(character, why);
}

namespace {

// The sources of one tradition, added to the look-up (or refused).
void addTradition(CharacterLookup& lookup, const DataPlaces& places, Tradition tradition, bool refused) {
  const auto add = [&](std::unique_ptr<CharacterSource> source) {
    refused ? lookup.addRefused(std::move(source)) : lookup.add(std::move(source));
  };
  if (tradition == Tradition::Japanese) {
    for (const fs::path& folder : places.strokeFolders()) add(std::make_unique<StrokeFolder>(folder));
  }
  for (const fs::path& file : places.libraryFiles(tradition)) {
    if (!fileExists(file)) continue;
    CharacterLibraryOpen opened = CharacterLibrary::open(file);
    if (!opened.ok()) {
      lookup.note(opened.problem);
      continue;
    }
    add(std::make_unique<LibrarySource>(std::move(*opened.library), file.string(), tradition));
    break;
  }
}

}  // namespace

CharacterLookup standardLookup(const DataPlaces& places, LookupChoice choice) {
  CharacterLookup lookup(choice);
  for (Tradition t : fallbackOrder(choice.tradition)) addTradition(lookup, places, t, choice.strict && t != choice.tradition);
  lookup.add(std::make_unique<PunctuationSource>(choice.tradition));
  return lookup;
}

std::vector<std::string> borrowedNotes(const std::vector<std::pair<std::string, Tradition>>& borrowed, Tradition text) {
  std::vector<std::string> notes;
  for (Tradition from : kTraditions) {
    std::vector<std::string> characters;
    for (const auto& [character, tradition] : borrowed) {
      const std::string shown = printable(character);
      if (tradition == from && std::find(characters.begin(), characters.end(), shown) == characters.end()) {
        characters.push_back(shown);
      }
    }
    if (characters.empty()) continue;
    std::string list = characters.front();
    for (std::size_t i = 1; i < characters.size(); ++i) list.append(" ").append(characters[i]);
    notes.push_back(filledIn(userText("Writing", "not in the %1 library, written as %2 writes them: %3"),
                             {std::string(traditionName(text)), std::string(traditionName(from)), list}));
  }
  return notes;
}

}  // namespace sumimai
