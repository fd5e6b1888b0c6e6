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
#include <utility>
#include <vector>

#include "data_files/tradition.h"
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
  std::optional<Tradition> tradition;  // whose forms these are; nothing for our punctuation and files named by the user
};

class CharacterSource {
 public:
  virtual ~CharacterSource() = default;
  // The strokes of one character (UTF-8) for writing in this direction, or
  // nothing when this source does not hold it.
  virtual std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const = 0;
};

// The stroke files <character>.mem of a folder (letter case aside): the
// sutra's, in Japanese forms.
class StrokeFolder : public CharacterSource {
 public:
  explicit StrokeFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
  std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const override;

 private:
  std::filesystem::path folder_;
};

// A character library (文字集.smlib and one per tradition): characters by
// code point in the tradition's forms. A character whose entry is damaged is
// found with the library's problem.
class LibrarySource : public CharacterSource {
 public:
  LibrarySource(CharacterLibrary library, std::string origin, Tradition tradition = Tradition::Japanese)
      : library_(std::move(library)), origin_(std::move(origin)), tradition_(tradition) {}
  std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const override;

 private:
  CharacterLibrary library_;
  std::string origin_;
  Tradition tradition_;
};

// Which tradition a text is written in, and whether characters of another
// tradition are refused rather than borrowed.
struct LookupChoice {
  Tradition tradition = Tradition::Japanese;
  bool strict = false;
};

class CharacterLookup {
 public:
  CharacterLookup() = default;
  explicit CharacterLookup(LookupChoice choice) : choice_(choice) {}

  // Sources are asked in the order they were added. A refused source is
  // never drawn from: it only says, for a character missing, that another
  // tradition has it.
  void add(std::unique_ptr<CharacterSource> source) { sources_.push_back(std::move(source)); }
  void addRefused(std::unique_ptr<CharacterSource> source) { refused_.push_back(std::move(source)); }
  std::optional<StrokeSource> find(std::string_view character, WritingDirection direction) const;

  LookupChoice choice() const { return choice_; }
  // Whether a source found comes from another tradition than the text's.
  bool borrowed(const StrokeSource& source) const { return source.tradition && *source.tradition != choice_.tradition; }
  // What the user reads for a character no source gives: "no strokes for
  // the character 色", why a refused tradition's strokes were not taken,
  // and the notes.
  std::string whyMissing(std::string_view character) const;

  // What building the look-up had to leave out, for the user (a library
  // that cannot be opened, naming it and why).
  const std::vector<std::string>& notes() const { return notes_; }
  void note(std::string text) { notes_.push_back(std::move(text)); }

 private:
  LookupChoice choice_;
  std::vector<std::unique_ptr<CharacterSource>> sources_;
  std::vector<std::unique_ptr<CharacterSource>> refused_;
  std::vector<std::string> notes_;
};

// The programs' look-up: for each tradition of the text's fallback order
// (data_files/tradition.h) its sources; Japanese has the stroke folders of
// the places (the working folder's 般若心経, then the shipped data's) before
// its library. A tradition's library is the first of the places' that opens
// (one that does not is left out with a note). Then the punctuation of our
// own strokes (punctuation.h), placed as the tradition places it. With
// `strict`, the other traditions of the fallback order are refused.
CharacterLookup standardLookup(const DataPlaces& places, LookupChoice choice = {});

// The notes that name the characters taken from another tradition than
// the text's, one per tradition they came from.
std::vector<std::string> borrowedNotes(const std::vector<std::pair<std::string, Tradition>>& borrowed, Tradition text);

}  // namespace sumimai
