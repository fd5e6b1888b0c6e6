// Where the strokes of a character come from. One small interface, so that
// any store of strokes (stroke files in a folder today, an indexed library
// of characters later) can answer; sources are asked in order.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/character_library.h"

namespace sumimai {

// A character's strokes: a stroke file, or the text of one.
struct StrokeSource {
  std::string origin;  // the file, or where the text came from, for messages
  std::optional<std::filesystem::path> file;
  std::string text;  // when there is no file
};

class CharacterSource {
 public:
  virtual ~CharacterSource() = default;
  // The strokes of one character (UTF-8), or nothing when this source has none.
  virtual std::optional<StrokeSource> find(std::string_view character) const = 0;
};

// The stroke files <character>.mem of a folder.
class StrokeFolder : public CharacterSource {
 public:
  explicit StrokeFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::optional<StrokeSource> find(std::string_view character) const override;
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

// The character library (文字集.smlib): every kanji and kana by code point.
// A character whose entry is damaged is refused (ExportError naming it).
class LibrarySource : public CharacterSource {
 public:
  explicit LibrarySource(CharacterLibrary library, std::string origin)
      : library_(std::move(library)), origin_(std::move(origin)) {}
  std::optional<StrokeSource> find(std::string_view character) const override;

 private:
  CharacterLibrary library_;
  std::string origin_;
};

// Several sources, asked in order: the first that has a character gives it.
class SourceChain : public CharacterSource {
 public:
  void add(std::unique_ptr<CharacterSource> source) { sources_.push_back(std::move(source)); }
  std::optional<StrokeSource> find(std::string_view character) const override;

 private:
  std::vector<std::unique_ptr<CharacterSource>> sources_;
};

// The folders that hold the shipped data (the layout of data/ in the
// source tree), for a program at `executable`: ../share/sumimai beside an
// installed program, and data/ of a source tree that holds its build
// folder. Only folders that exist.
std::vector<std::filesystem::path> shippedDataFolders(const std::filesystem::path& executable);

// The name of the character library in a data folder.
inline constexpr char kLibraryFileName[] = "文字集.smlib";

// The sutra folder 般若心経 of the working folder (the current directory),
// then those of the shipped data folders.
std::vector<std::filesystem::path> sutraFolders(const std::vector<std::filesystem::path>& shipped);

// A data file: the first of the sutra folders that has it, or nothing.
std::optional<std::filesystem::path> findSutraFile(const std::vector<std::filesystem::path>& folders,
                                                   std::string_view name);

// The characters of a UTF-8 text, one code point each (a variation selector
// stays with the character before it). Throws ExportError on bytes that are
// not UTF-8.
std::vector<std::string> charactersOf(std::string_view text);

}  // namespace sumimai
