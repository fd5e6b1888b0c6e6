#include "library_checks.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "data_files/stroke_file.h"
#include "library/character_library.h"
#include "library/library_format.h"
#include "scratch_file.h"
#include "table_rules.h"
#include "core/utf8.h"

namespace sumimai::fuzz {
namespace {

constexpr char kFileName[] = "文字集.smlib";
constexpr std::size_t kMostLookedUp = 64;  // a file may claim millions of entries

// The bytes with the header's index checksum recomputed, when there is a
// header and an index of the count it claims.
std::string withMatchingChecksum(std::string_view bytes) {
  std::string fixed(bytes);
  if (fixed.size() < library::kHeaderSize) return fixed;
  const auto* raw = reinterpret_cast<const unsigned char*>(fixed.data());
  const std::uint64_t count = library::readU32(raw + 8);
  const std::uint64_t indexEnd = library::kHeaderSize + count * library::kIndexEntrySize;
  if (indexEnd > fixed.size()) return fixed;
  std::string crc;
  library::appendU32(crc, library::crc32Of(std::string_view(fixed).substr(library::kHeaderSize,
                                                                           indexEnd - library::kHeaderSize)));
  fixed.replace(12, 4, crc);
  return fixed;
}

// A text found reads as a stroke table by the rules every load keeps.
void checkText(const std::string& text, Problems& problems) {
  std::istringstream in(text);
  StrokeTable table{};
  StrokeCountValue count;
  StrokeFileRead read = readStrokeStream(in, table, count);
  expect(problems, read.status != StrokeFileStatus::Missing, "a stroke file text reads as missing");
  if (read.status != StrokeFileStatus::Missing)
    checkLoadedTable<StrokeTable, StrokeRecord>(table, count, read, kStrokeSlots, problems);
}

void checkLookUps(const CharacterLibrary& library, Problems& problems) {
  const std::vector<char32_t> held = library.characters();
  expect(problems, held.size() == library.size(), "the library lists another number of characters than it holds");
  expect(problems, std::adjacent_find(held.begin(), held.end(), std::greater_equal<>()) == held.end(),
         "the characters are not listed in increasing order");
  for (std::size_t i = 0; i < held.size() && i < kMostLookedUp; ++i) {
    expect(problems, library.contains(held[i]), "a listed character is not found");
    LibraryEntryRead entry = library.entry(held[i]);
    if (entry.text) {
      expect(problems, entry.text->size() <= library::kMaxTextSize, "a text is longer than any entry may be");
      checkText(*entry.text, problems);
    } else {
      expect(problems, !entry.problem.empty() && decodeUtf8(entry.problem).ok(),
             "a damaged entry gives no reason, or one that is not UTF-8");
    }
  }
  const char32_t absent = held.empty() ? U'海' : held.back() + 1;
  if (absent <= library::kMaxCodePoint) {
    LibraryEntryRead none = library.entry(absent);
    expect(problems, !none.text && none.problem.empty(), "a character not held gives a text or a reason");
  }
}

void checkFile(std::string_view bytes, Problems& problems) {
  CharacterLibraryOpen opened = CharacterLibrary::open(writeScratchFile(kFileName, bytes));
  if (!opened.ok()) {
    expect(problems, decodeUtf8(opened.problem).ok() && opened.problem.find(kFileName) != std::string::npos,
           "a library that does not open is not named, or the reason is not UTF-8");
    return;
  }
  checkLookUps(*opened.library, problems);
}

}  // namespace

Problems checkLibrary(std::string_view bytes) {
  Problems problems;
  checkFile(bytes, problems);
  placeSince(problems, 0, "as given");
  const std::size_t found = problems.size();
  checkFile(withMatchingChecksum(bytes), problems);
  placeSince(problems, found, "with its checksum made to match");
  return problems;
}

}  // namespace sumimai::fuzz
