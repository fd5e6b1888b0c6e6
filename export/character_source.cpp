#include "character_source.h"

#include "data_files/file_paths.h"
#include "export_error.h"

namespace sumimai {
namespace {

namespace fs = std::filesystem;

bool isFolder(const fs::path& p) {
  std::error_code error;
  return fs::is_directory(p, error);
}

// The length of the UTF-8 sequence a lead byte starts, or 0.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF5) return 4;
  return 0;
}

char32_t codePoint(std::string_view s) {
  static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = static_cast<unsigned char>(s[0]) & kLeadMask[s.size()];
  for (std::size_t i = 1; i < s.size(); ++i) c = c << 6 | (static_cast<unsigned char>(s[i]) & 0x3F);
  return c;
}

bool isVariationSelector(char32_t c) { return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF); }

}  // namespace

std::optional<StrokeSource> StrokeFolder::find(std::string_view character) const {
  const fs::path file = findFile(folder_ / (std::string(character) + ".mem"));
  if (!fileExists(file)) return std::nullopt;
  return StrokeSource{file.string(), file, {}};
}

std::optional<StrokeSource> LibrarySource::find(std::string_view character) const {
  const std::vector<std::string> one = charactersOf(character);
  if (one.size() != 1 || one.front().size() != character.size()) return std::nullopt;
  const LibraryEntryRead entry = library_.entry(codePoint(character));
  if (!entry.problem.empty()) throw ExportError(entry.problem);
  if (!entry.text) return std::nullopt;
  return StrokeSource{origin_ + " (" + std::string(character) + ")", std::nullopt, *entry.text};
}

std::optional<StrokeSource> SourceChain::find(std::string_view character) const {
  for (const auto& source : sources_) {
    if (auto found = source->find(character)) return found;
  }
  return std::nullopt;
}

std::vector<fs::path> shippedDataFolders(const fs::path& executable) {
  std::vector<fs::path> folders;
  std::error_code error;
  const fs::path programFolder = fs::weakly_canonical(executable, error).parent_path();
  if (const fs::path installed = programFolder.parent_path() / "share" / "sumimai"; isFolder(installed)) {
    folders.push_back(installed);
  }
  for (fs::path at = programFolder; !at.empty(); at = at.parent_path()) {
    if (isFolder(at / "data" / kDataFolder) && fs::exists(at / "CMakeLists.txt", error)) {
      folders.push_back(at / "data");
      break;
    }
    if (at == at.parent_path()) break;
  }
  return folders;
}

std::vector<fs::path> sutraFolders(const std::vector<fs::path>& shipped) {
  std::vector<fs::path> folders{fs::path(kDataFolder)};
  for (const fs::path& data : shipped) folders.push_back(data / kDataFolder);
  return folders;
}

std::optional<fs::path> findSutraFile(const std::vector<fs::path>& folders, std::string_view name) {
  for (const fs::path& folder : folders) {
    const fs::path file = findFile(folder / std::string(name));
    if (fileExists(file)) return file;
  }
  return std::nullopt;
}

std::vector<std::string> charactersOf(std::string_view text) {
  std::vector<std::string> characters;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = sequenceLength(static_cast<unsigned char>(text[at]));
    bool valid = length > 0 && at + length <= text.size();
    for (std::size_t i = 1; valid && i < length; ++i) valid = (static_cast<unsigned char>(text[at + i]) & 0xC0) == 0x80;
    if (!valid) throw ExportError("the text is not UTF-8 (at byte " + std::to_string(at + 1) + ")");
    const std::string_view one = text.substr(at, length);
    if (isVariationSelector(codePoint(one)) && !characters.empty()) {
      characters.back() += one;
    } else {
      characters.emplace_back(one);
    }
    at += length;
  }
  return characters;
}

}  // namespace sumimai
