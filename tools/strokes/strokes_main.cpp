// sumimai-strokes converts the stroke source data into the programs' data:
//
//   sumimai-strokes [--source FOLDER] [--quiet] OUTPUT
//     the sutra (sutra.txt and svg/<code point>.svg) into OUTPUT/般若心経;
//   sumimai-strokes [--source FOLDER] [--jobs N] --library FILE
//     every glyph of svg-ja/ and svg-kana/ into the character library FILE;
//   sumimai-strokes [--source FOLDER] [--jobs N] [--every N] --check-library FILE
//     checks FILE against the source: the same characters, and every Nth
//     (default 1: all) converted again and compared byte for byte.
//
// The source defaults to ../shared/strokes beside the repository.
#include <cstdio>
#include <filesystem>
#include <string>

#include "conversion/data_set.h"
#include "conversion/fidelity.h"
#include "conversion/library_set.h"
#include "data_files/replacing_file.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: sumimai-strokes [--source FOLDER] [--quiet] OUTPUT\n"
               "       sumimai-strokes [--source FOLDER] [--jobs N] --library FILE\n"
               "       sumimai-strokes [--source FOLDER] [--jobs N] [--every N] --check-library FILE\n");
  return 2;
}

// How well a file draws its glyph, about 500 pixels tall: both measures'
// coverage less their ink outside. The sutra's files are made with it; the
// library, 60 times as many characters, without (it would take several
// times as long for a gain of a hundredth of a percent).
double judge(const sumimai::strokes::GlyphRead& glyph, const std::string& text) {
  sumimai::strokes::Fidelity f = sumimai::strokes::measureFidelity(glyph, text, 720);
  return f.ok ? f.covered + f.coveredStrict - f.outside - f.outsideStrict : -1;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  using namespace sumimai::strokes;
  sumimai::removeTemporaryFilesOnSignals();
  fs::path source = fs::path(SUMIMAI_REPOSITORY) / ".." / "shared" / "strokes";
  fs::path output, library, checked;
  bool quiet = false;
  int jobs = 1, every = 1;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool more = i + 1 < argc;
    if (arg == "--source" && more) source = argv[++i];
    else if (arg == "--library" && more) library = argv[++i];
    else if (arg == "--check-library" && more) checked = argv[++i];
    else if (arg == "--jobs" && more) jobs = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--every" && more) every = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--quiet") quiet = true;
    else if (!arg.empty() && arg[0] != '-' && output.empty()) output = arg;
    else return usage();
  }
  if (output.empty() + library.empty() + checked.empty() != 2) return usage();
  DataSetOptions judged;
  judged.judge = judge;
  DataSetWrite written = !library.empty() ? writeLibrary(source, library, {}, jobs)
                         : !checked.empty() ? checkLibrary(source, checked, {}, jobs, every)
                                            : writeDataSet(source, output, judged);
  if (!quiet) {
    for (const std::string& note : written.notes) std::printf("%s\n", note.c_str());
  }
  if (!written.ok) {
    std::fprintf(stderr, "sumimai-strokes: %s\n", written.problem.c_str());
    return 1;
  }
  return 0;
}
