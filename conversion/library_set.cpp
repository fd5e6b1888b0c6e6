#include "library_set.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <map>
#include <thread>

#include "core/utf8.h"
#include "data_files/file_writing.h"
#include "data_files/tradition.h"
#include "glyph_svg.h"
#include "library/character_library.h"
#include "library/library_writer.h"

namespace sumimai::strokes {
namespace fs = std::filesystem;
namespace {

struct Converted {
  std::string text;
  std::string problem;
};

// The characters' stroke files, converted on `jobs` threads.
std::vector<Converted> convertAll(const std::vector<LibrarySource>& sources, const DataSetOptions& options, int jobs) {
  std::vector<Converted> out(sources.size());
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i = next++; i < sources.size(); i = next++) {
      GlyphRead glyph = readGlyphSvg(sources[i].svg);
      std::string note;
      if (glyph.ok()) out[i].text = characterFileText(sources[i].code, glyph, options, note);
      if (out[i].text.empty()) out[i].problem = glyph.ok() ? "does not fit: " + note : glyph.problem;
    }
  };
  std::vector<std::thread> threads;
  for (int t = 1; t < jobs; ++t) threads.emplace_back(work);
  work();
  for (std::thread& t : threads) t.join();
  return out;
}

std::string problemsOf(const std::vector<LibrarySource>& sources, const std::vector<Converted>& converted) {
  std::string problems;
  for (std::size_t i = 0; i < sources.size(); ++i)
    if (!converted[i].problem.empty()) problems += "\n  " + encodeUtf8(sources[i].code) + " " + converted[i].problem;
  return problems;
}

std::string foldersOf(const fs::path& source, const Tradition& tradition) {
  std::string names;
  for (const std::string& folder : tradition.folders) names += (names.empty() ? "" : " or ") + (source / folder).string();
  return names;
}

}  // namespace

const std::vector<Tradition>& traditions() {
  static const std::vector<Tradition> all{
      {"ja", {"svg-ja", "svg-kana"}, libraryFileName(sumimai::Tradition::Japanese)},
      {"zh-Hans", {"svg-zh-hans"}, libraryFileName(sumimai::Tradition::Mainland)},
      {"zh-Hant", {"svg-zh-hant"}, libraryFileName(sumimai::Tradition::Taiwan)},
      {"ko", {"svg-ko"}, libraryFileName(sumimai::Tradition::Korean)},
  };
  return all;
}

const Tradition* traditionNamed(const std::string& name) {
  for (const Tradition& t : traditions())
    if (t.name == name) return &t;
  return nullptr;
}

std::vector<LibrarySource> librarySources(const fs::path& source, const Tradition& tradition) {
  std::vector<LibrarySource> sources;
  for (const std::string& folder : tradition.folders) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(source / folder, ec)) {
      const std::string stem = entry.path().stem().string();
      if (entry.path().extension() != ".svg" || stem.empty() ||
          !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; }))
        continue;
      sources.push_back({static_cast<char32_t>(std::stoul(stem)), entry.path()});
    }
  }
  std::sort(sources.begin(), sources.end(), [](const LibrarySource& a, const LibrarySource& b) { return a.code < b.code; });
  return sources;
}

DataSetWrite writeLibrary(const fs::path& source, const Tradition& tradition, const fs::path& file,
                          const DataSetOptions& options, int jobs) {
  DataSetWrite result;
  std::vector<LibrarySource> sources = librarySources(source, tradition);
  if (sources.empty()) {
    result.problem = "no glyphs in " + foldersOf(source, tradition);
    return result;
  }
  std::vector<Converted> converted = convertAll(sources, options, jobs);
  result.problem = problemsOf(sources, converted);
  if (!result.problem.empty()) {
    result.problem = "characters that cannot be converted:" + result.problem;
    return result;
  }
  std::map<char32_t, std::string> texts;
  for (std::size_t i = 0; i < sources.size(); ++i) texts[sources[i].code] = std::move(converted[i].text);
  std::string bytes = libraryBytes(texts);
  if (!replaceFile(file, bytes).ok()) result.problem = "cannot write " + file.string();
  result.notes.push_back(tradition.name + " library: " + std::to_string(texts.size()) + " characters, " + std::to_string(bytes.size()) + " bytes");
  return result;
}

DataSetWrite checkLibrary(const fs::path& source, const Tradition& tradition, const fs::path& file,
                          const DataSetOptions& options, int jobs, int every) {
  DataSetWrite result;
  CharacterLibraryOpen opened = CharacterLibrary::open(file);
  if (!opened.ok()) {
    result.problem = opened.problem;
    return result;
  }
  std::vector<LibrarySource> all = librarySources(source, tradition), sample;
  std::vector<char32_t> codes;
  for (std::size_t i = 0; i < all.size(); ++i) {
    codes.push_back(all[i].code);
    if (i % static_cast<std::size_t>(std::max(1, every)) == 0) sample.push_back(all[i]);
  }
  if (codes != opened.library->characters()) {
    result.problem = file.string() + " does not hold the source's characters";
    return result;
  }
  std::vector<Converted> converted = convertAll(sample, options, jobs);
  for (std::size_t i = 0; i < sample.size(); ++i) {
    LibraryEntryRead entry = opened.library->entry(sample[i].code);
    if (converted[i].problem.empty() && entry.text != converted[i].text)
      converted[i].problem = entry.problem.empty() ? "differs from the library's" : entry.problem;
  }
  result.problem = problemsOf(sample, converted);
  if (!result.ok()) result.problem = "characters that do not match:" + result.problem;
  result.notes.push_back(tradition.name + " library: " + std::to_string(sample.size()) + " of " + std::to_string(all.size()) +
                         " characters converted again and compared");
  return result;
}

}  // namespace sumimai::strokes
