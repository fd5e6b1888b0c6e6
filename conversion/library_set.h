// The character libraries, one per writing tradition, each made from its
// folders of the source (Japanese: the kanji of svg-ja/ and the kana of
// svg-kana/; mainland Chinese, Taiwanese and Korean: svg-zh-hans/,
// svg-zh-hant/ and svg-ko/): every character converted into a stroke file
// and stored in one library file; and the check of a shipped library
// against the source.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data_set.h"

namespace sumimai::strokes {

// A writing tradition: its name (ja, zh-Hans, zh-Hant, ko), the source
// folders of its glyphs and the name of its library file.
struct Tradition {
  std::string name;
  std::vector<std::string> folders;
  std::string libraryFile;
};

// Every tradition, Japanese first.
const std::vector<Tradition>& traditions();
// The tradition of that name, or nullptr.
const Tradition* traditionNamed(const std::string& name);

struct LibrarySource {
  char32_t code = 0;
  std::filesystem::path svg;
};

// Every glyph of the tradition's folders of source, by code point.
std::vector<LibrarySource> librarySources(const std::filesystem::path& source, const Tradition& tradition);

// Converts the characters on `jobs` threads and writes the library file.
// Fails, naming them, when characters cannot be read or drawn within the budget.
DataSetWrite writeLibrary(const std::filesystem::path& source, const Tradition& tradition, const std::filesystem::path& file,
                          const DataSetOptions& options, int jobs);

// Compares the library file with the source: the same characters, and every
// `every`-th of them (from the first) converted again, byte for byte.
DataSetWrite checkLibrary(const std::filesystem::path& source, const Tradition& tradition, const std::filesystem::path& file,
                          const DataSetOptions& options, int jobs, int every);

}  // namespace sumimai::strokes
