#include "character_library.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>

#include "core/user_language.h"

namespace sumimai {
namespace {

constexpr char kMessages[] = "Library";

using library::IndexEntry;
using library::kHeaderSize;
using library::kIndexEntrySize;

std::string codeName(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

// The text of a zlib stream that must inflate to exactly textLength bytes.
std::optional<std::string> inflateText(const std::string& data, std::uint32_t textLength) {
  std::string text(textLength, '\0');
  uLongf length = textLength;
  int status = uncompress(reinterpret_cast<Bytef*>(text.data()), &length,
                          reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()));
  if (status != Z_OK || length != textLength) return std::nullopt;
  return text;
}

// Checks one index entry against the one before it and the file's size;
// returns what is wrong, or "".
std::string entryProblem(const IndexEntry& e, const IndexEntry* before, std::uint64_t dataStart) {
  std::uint64_t expected = before ? std::uint64_t{before->offset} + before->length : dataStart;
  if (e.code > library::kMaxCodePoint) return userText(kMessages, "範囲外の文字番号があります");
  if (before && e.code <= before->code) return userText(kMessages, "文字の順序が誤っています");
  if (e.offset != expected) return filledIn(userText(kMessages, "%1 の位置が誤っています"), {codeName(e.code)});
  if (e.textLength > library::kMaxTextSize || e.length == 0)
    return filledIn(userText(kMessages, "%1 の長さが誤っています"), {codeName(e.code)});
  return "";
}

}  // namespace

// The open file, shared by the copies of a library.
struct CharacterLibrary::File {
  int descriptor = -1;
  ~File() {
    if (descriptor >= 0) ::close(descriptor);
  }
  // Reads exactly length bytes at offset.
  bool read(std::uint64_t offset, std::string& bytes, std::size_t length) const {
    bytes.assign(length, '\0');
    std::size_t done = 0;
    while (done < length) {
      ssize_t n = ::pread(descriptor, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    return true;
  }
};

CharacterLibraryOpen CharacterLibrary::open(const std::filesystem::path& path) {
  auto fail = [&](const char* pattern, const std::string& detail = {}) {
    return CharacterLibraryOpen{std::nullopt, filledIn(userText(kMessages, pattern), {path.string(), detail})};
  };
  auto file = std::make_shared<File>();
  // O_NONBLOCK: a named pipe under the library's name does not stop the
  // program; only a regular file is read.
  file->descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat status {};
  if (file->descriptor < 0 || ::fstat(file->descriptor, &status) != 0 || !S_ISREG(status.st_mode))
    return fail("文字集「%1」を開けません。");
  const std::uint64_t size = static_cast<std::uint64_t>(status.st_size);
  std::string header;
  if (size < kHeaderSize || !file->read(0, header, kHeaderSize) ||
      !std::equal(std::begin(library::kMagic), std::end(library::kMagic), header.begin()))
    return fail("文字集「%1」は文字集のファイルではありません。");
  const auto* h = reinterpret_cast<const unsigned char*>(header.data());
  const std::uint64_t count = library::readU32(h + 8);
  const std::uint64_t dataStart = kHeaderSize + count * kIndexEntrySize;
  std::string index;
  if (dataStart > size || !file->read(kHeaderSize, index, count * kIndexEntrySize))
    return fail("文字集「%1」の索引が途中で切れています。");
  if (library::crc32Of(index) != library::readU32(h + 12)) return fail("文字集「%1」の索引が壊れています（検査値が合いません）。");
  CharacterLibrary result;
  result.path_ = path;
  for (std::size_t i = 0; i < count; ++i) {
    const auto* e = reinterpret_cast<const unsigned char*>(index.data()) + i * kIndexEntrySize;
    IndexEntry entry{library::readU32(e), library::readU32(e + 4), library::readU32(e + 8), library::readU32(e + 12)};
    std::string problem = entryProblem(entry, i ? &result.index_.back() : nullptr, dataStart);
    if (!problem.empty()) return fail("文字集「%1」の索引が壊れています（%2）。", problem);
    result.index_.push_back(entry);
  }
  std::uint64_t end = count ? std::uint64_t{result.index_.back().offset} + result.index_.back().length : dataStart;
  if (end != size) return fail(end > size ? "文字集「%1」は途中で切れています。" : "文字集「%1」の終わりに余分なデータがあります。");
  result.file_ = std::move(file);
  return {std::move(result), ""};
}

const IndexEntry* CharacterLibrary::find(char32_t c) const {
  auto at = std::lower_bound(index_.begin(), index_.end(), c,
                             [](const IndexEntry& e, char32_t code) { return e.code < code; });
  return at != index_.end() && at->code == c ? &*at : nullptr;
}

LibraryEntryRead CharacterLibrary::entry(char32_t c) const {
  const IndexEntry* e = find(c);
  if (!e) return {};
  std::string data;
  std::optional<std::string> text;
  if (file_->read(e->offset, data, e->length)) text = inflateText(data, e->textLength);
  if (!text) {
    return {std::nullopt, filledIn(userText(kMessages, "文字集「%1」の %2 の記録が壊れています。"), {path_.string(), codeName(c)})};
  }
  return {std::move(text), ""};
}

std::vector<char32_t> CharacterLibrary::characters() const {
  std::vector<char32_t> codes;
  for (const IndexEntry& e : index_) codes.push_back(e.code);
  return codes;
}

}  // namespace sumimai
