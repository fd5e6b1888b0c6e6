// Look-ups in each shipped character library (data/文字集.smlib of the
// Japanese forms, and those of the mainland Chinese, Taiwanese and Korean
// forms beside it): opening it, and finding one character and loading its
// stroke file text, over characters spread across the whole library.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "library/character_library.h"

namespace {

using sumimai::CharacterLibrary;
namespace fs = std::filesystem;

const fs::path kData = fs::path(SUMIMAI_SOURCE_DIR) / "data";
const char* const kLibraries[] = {"文字集.smlib", "文字集-zh-Hans.smlib", "文字集-zh-Hant.smlib", "文字集-ko.smlib"};

CharacterLibrary openOrAbort(const fs::path& file) {
  sumimai::CharacterLibraryOpen opened = CharacterLibrary::open(file);
  if (!opened.ok()) {
    std::fprintf(stderr, "%s\n", opened.problem.c_str());
    std::abort();
  }
  return *opened.library;
}

void open(benchmark::State& state, const fs::path& file) {
  for (auto _ : state) benchmark::DoNotOptimize(CharacterLibrary::open(file));
}

// Every 37th character in turn, so that the look-ups go all over the file.
void findAndLoad(benchmark::State& state, const fs::path& file) {
  CharacterLibrary library = openOrAbort(file);
  std::vector<char32_t> codes = library.characters();
  std::size_t i = 0, bytes = 0;
  for (auto _ : state) {
    std::optional<std::string> text = library.strokeFileText(codes[i]);
    bytes += text->size();
    i = (i + 37) % codes.size();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.SetLabel(std::to_string(codes.size()) + " characters");
}

// A character that is not there: the index alone.
void absent(benchmark::State& state, const fs::path& file) {
  CharacterLibrary library = openOrAbort(file);
  for (auto _ : state) benchmark::DoNotOptimize(library.contains(U'\U0010FFFD'));
}

const bool kRegistered = [] {
  for (const char* name : kLibraries) {
    const fs::path file = kData / name;
    const std::string label = fs::path(name).stem().string();
    benchmark::RegisterBenchmark(("Open/" + label).c_str(), open, file)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("FindAndLoad/" + label).c_str(), findAndLoad, file)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Absent/" + label).c_str(), absent, file);
  }
  return true;
}();

}  // namespace
