#include "character_lookup.h"

#include "core/printable.h"
#include "core/user_language.h"
#include "core/utf8.h"
#include "data_files/file_paths.h"
#include "data_files/folder_files.h"
#include "punctuation.h"

namespace sumimai {
namespace fs = std::filesystem;

std::optional<StrokeSource> StrokeFolder::find(std::string_view character, WritingDirection) const {
  const std::string name = strokeFileName(character);
  if (!staysInFolder(name)) {
    return StrokeSource{StrokeSource::Kind::StrokeFile, name, {}, {},
                        filledIn(userText("Writing", "the character %1 would name a file outside the stroke folder %2; it is not read"),
                                 {printable(character), folder_.string()})};
  }
  const fs::path file = findFile(folder_ / name);
  if (!fileExists(file)) return std::nullopt;
  return StrokeSource{StrokeSource::Kind::StrokeFile, printable(file.string()), file, {}, {}};
}

std::optional<StrokeSource> LibrarySource::find(std::string_view character, WritingDirection) const {
  const Utf8Decoded decoded = decodeUtf8(character);
  if (!decoded.ok() || decoded.codePoints.size() != 1) return std::nullopt;
  const LibraryEntryRead entry = library_.entry(decoded.codePoints.front());
  if (!entry.problem.empty()) return StrokeSource{StrokeSource::Kind::Library, origin_, {}, {}, entry.problem};
  if (!entry.text) return std::nullopt;
  return StrokeSource{StrokeSource::Kind::Library, origin_ + " (" + printable(character) + ")", {}, *entry.text, {}};
}

std::optional<StrokeSource> CharacterLookup::find(std::string_view character, WritingDirection direction) const {
  for (const auto& source : sources_) {
    if (auto found = source->find(character, direction)) return found;
  }
  return std::nullopt;
}

CharacterLookup standardLookup(const DataPlaces& places) {
  CharacterLookup lookup;
  for (const fs::path& folder : places.strokeFolders()) lookup.add(std::make_unique<StrokeFolder>(folder));
  for (const fs::path& file : places.libraryFiles()) {
    if (!fileExists(file)) continue;
    CharacterLibraryOpen opened = CharacterLibrary::open(file);
    if (!opened.ok()) {
      lookup.note(opened.problem);
      continue;
    }
    lookup.add(std::make_unique<LibrarySource>(std::move(*opened.library), file.string()));
    break;
  }
  lookup.add(std::make_unique<PunctuationSource>());
  return lookup;
}

}  // namespace sumimai
