// Look-ups in the shipped character library (data/文字集.smlib): opening it,
// and finding one character and loading its stroke file text, over
// characters spread across the whole library.
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

const std::filesystem::path kLibrary = std::filesystem::path(SUMIMAI_SOURCE_DIR) / "data" / "文字集.smlib";

CharacterLibrary openOrAbort() {
  sumimai::CharacterLibraryOpen opened = CharacterLibrary::open(kLibrary);
  if (!opened.ok()) {
    std::fprintf(stderr, "%s\n", opened.problem.c_str());
    std::abort();
  }
  return *opened.library;
}

void BM_Open(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CharacterLibrary::open(kLibrary));
}
BENCHMARK(BM_Open)->Unit(benchmark::kMicrosecond);

// Every 37th character in turn, so that the look-ups go all over the file.
void BM_FindAndLoad(benchmark::State& state) {
  CharacterLibrary library = openOrAbort();
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
BENCHMARK(BM_FindAndLoad)->Unit(benchmark::kMicrosecond);

// A character that is not there: the index alone.
void BM_Absent(benchmark::State& state) {
  CharacterLibrary library = openOrAbort();
  for (auto _ : state) benchmark::DoNotOptimize(library.contains(U'\U0010FFFD'));
}
BENCHMARK(BM_Absent);

}  // namespace
