// Runs the raster benchmarks; the page benchmark only when the page file is
// there (a checkout without generated data skips it with a note).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>

namespace sumimai::bench {
std::filesystem::path pageFile();
void BM_ShippedPage(benchmark::State& state);
}  // namespace sumimai::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const std::filesystem::path page = sumimai::bench::pageFile();
  if (std::filesystem::exists(page)) {
    benchmark::RegisterBenchmark("BM_ShippedPage", sumimai::bench::BM_ShippedPage)->Unit(benchmark::kMillisecond);
  } else {
    std::cerr << "page file not found, page benchmark skipped: " << page << "\n";
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
