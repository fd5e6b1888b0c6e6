// The character library: the stroke files of every character the program
// can write (the kanji and the kana), kept in one indexed file and found by
// code point. The file's layout is described in library_format.h: a small
// header, a sorted index of code point -> offset and length, and each
// character's stroke file text as a zlib stream.
//
// open() reads and checks the header and the whole index (magic, count,
// index checksum, order, every entry lying within the file and the entries
// following each other without gaps); a look-up reads only its own entry and
// checks that it inflates to the recorded length. Whatever is damaged or cut
// short is reported as a problem in Japanese that names the file; nothing is
// ever read outside the file's bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/library_format.h"

namespace sumimai {

struct CharacterLibraryOpen;

// What a look-up found: the stroke file text, or why there is none.
struct [[nodiscard]] LibraryEntryRead {
  std::optional<std::string> text;  // bytes exactly as the stroke file on disk
  std::string problem;              // empty when the character is simply absent
};

class CharacterLibrary {
 public:
  static CharacterLibraryOpen open(const std::filesystem::path& path);

  // The character's stroke file text; nothing when it is absent or its entry
  // is damaged (entry() tells which).
  std::optional<std::string> strokeFileText(char32_t c) const { return entry(c).text; }
  LibraryEntryRead entry(char32_t c) const;
  bool contains(char32_t c) const { return find(c) != nullptr; }

  std::size_t size() const { return index_.size(); }
  // The code points held, in increasing order.
  std::vector<char32_t> characters() const;

 private:
  struct File;
  const library::IndexEntry* find(char32_t c) const;

  std::filesystem::path path_;
  std::shared_ptr<File> file_;
  std::vector<library::IndexEntry> index_;
};

struct [[nodiscard]] CharacterLibraryOpen {
  std::optional<CharacterLibrary> library;
  std::string problem;  // in Japanese, naming the file, when library is empty
  bool ok() const { return library.has_value(); }
};

}  // namespace sumimai
