// The look-up of characters by name: where the strokes of each character of
// a text come from. A look-up is a list of sources asked in order; the
// first that holds a character gives it, and says where it came from.
// standardLookup() assembles the programs' own list once from the data
// places (working_folder/data_places.h); a look-up is then asked per
// character, as often as needed.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/character_library.h"
#include "working_folder/data_places.h"
#include "writing_direction.h"

namespace sumimai {

// A character's strokes as a source holds them: a stroke file on disk, or
// the text of one.
struct StrokeSource {
  enum class Kind { StrokeFile, Library, Punctuation };
  Kind kind = Kind::StrokeFile;
  std::string origin;  // where it came from, for the user: the file, or the library and the character
  std::optional<std::filesystem::path> file;  // a stroke file
  std::string text;                           // otherwise its text
  std::string problem;  // not empty when the source holds the character but cannot give it (damaged data)
};

class CharacterSource {
 public:
  virtual ~CharacterSource() = default;
  // The strokes of one character (UTF-8) for writing in this direction, or
  // nothing when this source does not hold it.
  virtual std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const = 0;
};

// The stroke files <character>.mem of a folder (letter case aside).
class StrokeFolder : public CharacterSource {
 public:
  explicit StrokeFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const override;

 private:
  std::filesystem::path folder_;
};

// The character library (文字集.smlib): kanji and kana by code point. A
// character whose entry is damaged is found with the library's problem.
class LibrarySource : public CharacterSource {
 public:
  LibrarySource(CharacterLibrary library, std::string origin)
      : library_(std::move(library)), origin_(std::move(origin)) {}
  std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const override;

 private:
  CharacterLibrary library_;
  std::string origin_;
};

class CharacterLookup {
 public:
  // Sources are asked in the order they were added.
  void add(std::unique_ptr<CharacterSource> source) { sources_.push_back(std::move(source)); }
  std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const;

  // What building the look-up had to leave out, for the user (a library
  // that cannot be opened, naming it and why).
  const std::vector<std::string>& notes() const { return notes_; }
  void note(std::string text) { notes_.push_back(std::move(text)); }

 private:
  std::vector<std::unique_ptr<CharacterSource>> sources_;
  std::vector<std::string> notes_;
};

// The programs' look-up, in this order: the stroke folders of the places
// (the working folder's 般若心経, then the shipped data's), the first of
// their character libraries that opens (a library that does not is left
// out with a note), then the punctuation of our own strokes (punctuation.h).
CharacterLookup standardLookup(const DataPlaces& places);

}  // namespace sumimai
