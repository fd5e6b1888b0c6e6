// sumimai-strokes [--source FOLDER] OUTPUT: converts the stroke source data
// (sutra.txt and svg/<code point>.svg) into the programs' data folder
// OUTPUT/般若心経. The source defaults to ../shared/strokes beside the
// repository.
#include <cstdio>
#include <filesystem>
#include <string>

#include "data_set.h"

namespace {

int usage() {
  std::fprintf(stderr, "usage: sumimai-strokes [--source FOLDER] [--quiet] OUTPUT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path source = std::filesystem::path(SUMIMAI_REPOSITORY) / ".." / "shared" / "strokes";
  std::filesystem::path output;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--source" && i + 1 < argc) source = argv[++i];
    else if (arg == "--quiet") quiet = true;
    else if (!arg.empty() && arg[0] != '-' && output.empty()) output = arg;
    else return usage();
  }
  if (output.empty()) return usage();
  sumimai::strokes::DataSetWrite written = sumimai::strokes::writeDataSet(source, output);
  if (!quiet) {
    for (const std::string& note : written.notes) std::printf("%s\n", note.c_str());
  }
  if (!written.ok) {
    std::fprintf(stderr, "sumimai-strokes: %s\n", written.problem.c_str());
    return 1;
  }
  return 0;
}
