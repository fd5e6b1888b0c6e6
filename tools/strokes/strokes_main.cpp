// sumimai-strokes converts the stroke source data into the programs' data:
//
//   sumimai-strokes [--source FOLDER] [--quiet] OUTPUT
//     the sutra (sutra.txt and svg/<code point>.svg) into OUTPUT/般若心経;
//   sumimai-strokes [--source FOLDER] [--set NAME] [--jobs N] --library FILE
//     every glyph of the writing tradition NAME (ja: svg-ja/ and svg-kana/,
//     the default; zh-Hans, zh-Hant, ko: svg-zh-hans/, svg-zh-hant/,
//     svg-ko/) into the character library FILE;
//   sumimai-strokes [--source FOLDER] [--set NAME] [--jobs N] [--every N] --check-library FILE
//     checks FILE against the source: the same characters, and every Nth
//     (default 1: all) converted again and compared byte for byte.
//
// The source defaults to ../shared/strokes beside the repository.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/users_language.h"
#include "command_line/strict_values.h"
#include "command_line/tool_command_line.h"
#include "conversion/data_set.h"
#include "conversion/fidelity.h"
#include "conversion/library_set.h"
#include "data_files/replacing_file.h"

namespace {

constexpr char kHelp[] = R"(usage: sumimai-strokes [--source FOLDER] [--quiet] OUTPUT
       sumimai-strokes [--source FOLDER] [--set NAME] [--jobs N] --library FILE
       sumimai-strokes [--source FOLDER] [--set NAME] [--jobs N] [--every N] --check-library FILE

Converts the stroke source data (FOLDER, by default the stroke data beside
the repository) into the programs' data: the sutra into OUTPUT/般若心経, or
every glyph of one writing tradition into the character library FILE;
--check-library checks FILE against the source (every Nth character
converted again and compared).

Options:
  --set NAME         the tradition: ja (svg-ja and svg-kana, the default),
                     zh-Hans (svg-zh-hans), zh-Hant (svg-zh-hant), ko (svg-ko)
  --jobs N           threads, 1..256 (default 1)
  --every N          with --check-library: every Nth character, 1.. (default 1)
  --quiet            no notes
  --help             this text
  --version          the program's name and version
)";

// How well a file draws its glyph, about 500 pixels tall: both measures'
// coverage less their ink outside. The sutra's files are made with it; the
// library, 60 times as many characters, without (it would take several
// times as long for a gain of a hundredth of a percent).
double judge(const sumimai::strokes::GlyphRead& glyph, const std::string& text) {
  sumimai::strokes::Fidelity f = sumimai::strokes::measureFidelity(glyph, text, 720);
  return f.ok() ? f.covered + f.coveredStrict - f.outside - f.outsideStrict : -1;
}

std::string take(std::optional<int>& to, sumimai::ValueRead<int> read) {
  if (read.value) to = read.value;
  return read.problem;
}

}  // namespace

int main(int argc, char** argv) {
  sumimai::speakUsersLanguage();
  namespace fs = std::filesystem;
  using namespace sumimai::strokes;
  sumimai::removeTemporaryFilesOnSignals();
  fs::path source = fs::path(SUMIMAI_REPOSITORY) / ".." / "shared" / "strokes";
  fs::path output, library, checked;
  const Tradition* tradition = &traditions().front();
  bool quiet = false;
  std::optional<int> jobs = 1, every = 1;
  std::vector<std::string> positional;
  sumimai::ToolCommandLine line("sumimai-strokes", kHelp);
  line.value("--source", [&](const std::string& v) { return (source = v, std::string()); });
  line.value("--set", [&](const std::string& v) -> std::string {
    tradition = traditionNamed(v);
    return tradition ? "" : "--set is ja, zh-Hans, zh-Hant or ko, not '" + v + "'";
  });
  line.value("--library", [&](const std::string& v) { return (library = v, std::string()); });
  line.value("--check-library", [&](const std::string& v) { return (checked = v, std::string()); });
  line.value("--jobs", [&](const std::string& v) { return take(jobs, sumimai::wholeNumberIn("--jobs", v, 1, 256)); });
  line.value("--every", [&](const std::string& v) { return take(every, sumimai::wholeNumberIn("--every", v, 1, 1 << 30)); });
  line.flag("--quiet", quiet);
  line.positionals(positional);
  if (const std::optional<int> status = line.finish(line.read({argv + 1, argv + argc}))) return *status;
  if (positional.size() > 1) return line.mistake("give one OUTPUT folder");
  if (positional.size() == 1) output = positional[0];
  if (output.empty() + library.empty() + checked.empty() != 2) {
    return line.mistake("give one of OUTPUT, --library FILE or --check-library FILE");
  }
  DataSetOptions judged;
  judged.judge = judge;
  DataSetWrite written = !library.empty() ? writeLibrary(source, *tradition, library, {}, *jobs)
                         : !checked.empty() ? checkLibrary(source, *tradition, checked, {}, *jobs, *every)
                                            : writeDataSet(source, output, judged);
  if (!quiet) {
    for (const std::string& note : written.notes) std::printf("%s\n", note.c_str());
  }
  if (!written.ok()) {
    std::fprintf(stderr, "sumimai-strokes: %s\n", written.problem.c_str());
    return 1;
  }
  return 0;
}
