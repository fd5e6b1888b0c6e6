// The character library made from the source's kanji (svg-ja/) and kana
// (svg-kana/): every character converted into a stroke file and stored in
// one library file; and the check of a shipped library against the source.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data_set.h"

namespace sumimai::strokes {

struct LibrarySource {
  char32_t code = 0;
  std::filesystem::path svg;
};

// Every glyph of source/svg-ja and source/svg-kana, by code point.
std::vector<LibrarySource> librarySources(const std::filesystem::path& source);

// Converts the characters on `jobs` threads and writes the library file.
// Fails, naming them, when characters cannot be read or drawn within the budget.
DataSetWrite writeLibrary(const std::filesystem::path& source, const std::filesystem::path& file,
                          const DataSetOptions& options, int jobs);

// Compares the library file with the source: the same characters, and every
// `every`-th of them (from the first) converted again, byte for byte.
DataSetWrite checkLibrary(const std::filesystem::path& source, const std::filesystem::path& file,
                          const DataSetOptions& options, int jobs, int every);

}  // namespace sumimai::strokes
