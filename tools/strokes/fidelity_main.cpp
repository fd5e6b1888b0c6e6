// sumimai-fidelity: how closely the program's brush follows the glyphs.
//
//   sumimai-fidelity [--source FOLDER] [--set NAME] [--size PIXELS] [--jobs N] [--sample N]
//                    [--worst K] [--pictures FOLDER] [--characters TEXT] [--each]
//                    [--brush round|ink] [--seed N] LIBRARY | --sutra FOLDER
//
// Draws every character of the library (or the character files of a sutra
// folder) with the program's brush on a PIXELS-square canvas (default 720)
// and compares the ink with the source glyph (the folders of the library's
// writing tradition NAME, by default ja: svg-ja/ and svg-kana/; for the
// sutra svg/). Prints both measures' averages and worst, and the K worst
// characters (default 10), whose comparison pictures go into FOLDER as
// <code point>.ppm. --sample N measures every Nth character only,
// --characters those of TEXT only; --each prints every one; --brush ink
// draws with the ink brush (seeded by --seed, default 1). Fails when
// a character of the source is missing or cannot be drawn with all its
// strokes.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/users_language.h"
#include "command_line/brush_options.h"
#include "command_line/strict_values.h"
#include "command_line/tool_command_line.h"
#include "core/utf8.h"
#include "conversion/data_set.h"
#include "conversion/fidelity.h"
#include "conversion/glyph_svg.h"
#include "conversion/library_set.h"
#include "data_files/file_writing.h"
#include "data_files/folder_files.h"
#include "data_files/replacing_file.h"
#include "library/character_library.h"

namespace {

namespace fs = std::filesystem;
using namespace sumimai;
using namespace sumimai::strokes;

struct Options {
  fs::path source = fs::path(SUMIMAI_REPOSITORY) / ".." / "shared" / "strokes";
  int size = 720, jobs = 2, sample = 1, worst = 10;
  fs::path pictures, library, sutra;
  std::vector<char32_t> only;
  bool each = false;
  BrushChoice brush;
  const Tradition* tradition = &traditions().front();
};

struct Item {
  char32_t code = 0;
  fs::path svg;
  std::string text;
  Fidelity fit;
};

constexpr char kHelp[] = R"(usage: sumimai-fidelity [--source FOLDER] [--set NAME] [--size PIXELS] [--jobs N] [--sample N]
                        [--worst K] [--pictures FOLDER] [--characters TEXT] [--each]
                        LIBRARY | --sutra FOLDER

Draws every character of the character library LIBRARY (or the character
files of a sutra folder) with the programs' brush and compares the ink with
the source glyph; prints both measures' averages and worst, and the K worst.

Options:
  --set NAME         the library's writing tradition, whose glyphs it is
                     compared with: ja (the default), zh-Hans, zh-Hant, ko
  --size PIXELS      the square canvas, 16..8192 (default 720)
  --jobs N           threads, 1..256 (default 2)
  --sample N         every Nth character only (default 1)
  --worst K          how many of the worst to print (default 10)
  --pictures FOLDER  the worst characters' comparison pictures
  --characters TEXT  the characters of TEXT only
  --each             print every character
  --brush round|ink  the brush to draw with (default round)
  --seed N           the ink brush's seed (default 1)
  --help             this text
  --version          the program's name and version
)";

std::string take(int& to, ValueRead<int> read) {
  if (read.value) to = *read.value;
  return read.problem;
}

// nullopt when the command line is sound; else the exit status, the help or the mistake printed.
std::optional<int> parse(int argc, char** argv, Options& o) {
  std::vector<std::string> positional;
  ToolCommandLine line("sumimai-fidelity", kHelp);
  line.value("--source", [&o](const std::string& v) { return (o.source = v, std::string()); });
  line.value("--set", [&o](const std::string& v) -> std::string {
    o.tradition = traditionNamed(v);
    return o.tradition ? "" : "--set is ja, zh-Hans, zh-Hant or ko, not '" + v + "'";
  });
  line.value("--size", [&o](const std::string& v) { return take(o.size, wholeNumberIn("--size", v, 16, kLargestSide)); });
  line.value("--jobs", [&o](const std::string& v) { return take(o.jobs, wholeNumberIn("--jobs", v, 1, 256)); });
  line.value("--sample", [&o](const std::string& v) { return take(o.sample, wholeNumberIn("--sample", v, 1, 1 << 30)); });
  line.value("--worst", [&o](const std::string& v) { return take(o.worst, wholeNumberIn("--worst", v, 0, 1 << 30)); });
  line.value("--pictures", [&o](const std::string& v) { return (o.pictures = v, std::string()); });
  line.value("--sutra", [&o](const std::string& v) { return (o.sutra = v, std::string()); });
  line.value("--characters", [&o](const std::string& v) -> std::string {
    if (const Utf8Decoded decoded = decodeUtf8(v); !decoded.ok()) return "--characters: the text is " + decoded.problem();
    o.only = sutraCharacters(v);
    return "";
  });
  addBrushOptions(line, o.brush);
  line.flag("--each", o.each);
  line.positionals(positional);
  if (const std::optional<int> status = line.finish(line.read({argv + 1, argv + argc}))) return status;
  if (positional.size() > 1) return line.mistake("give one LIBRARY");
  if (positional.size() == 1) o.library = positional[0];
  if (o.library.empty() == o.sutra.empty()) return line.mistake("give LIBRARY or --sutra FOLDER");
  return std::nullopt;
}

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

fs::path svgOf(const fs::path& folder, char32_t c) { return folder / (std::to_string(unsigned(c)) + ".svg"); }

// The characters to measure with their texts; missing ones have no text.
bool collect(const Options& o, std::vector<Item>& items) {
  if (!o.sutra.empty()) {
    for (const auto& e : fs::directory_iterator(o.sutra)) {
      std::string name = e.path().filename().string();
      std::vector<char32_t> chars = sutraCharacters(name);
      std::string ext = e.path().extension().string();
      if (name == kPageStrokeFile || chars.empty() || (ext != ".mem" && ext != ".MEM")) continue;
      items.push_back({chars[0], svgOf(o.source / "svg", chars[0]), readAll(e.path()), {}});
    }
  } else {
    CharacterLibraryOpen opened = CharacterLibrary::open(o.library);
    if (!opened.ok()) {
      std::fprintf(stderr, "sumimai-fidelity: %s\n", opened.problem.c_str());
      return false;
    }
    for (const LibrarySource& glyph : librarySources(o.source, *o.tradition))
      items.push_back({glyph.code, glyph.svg, opened.library->strokeFileText(glyph.code).value_or(""), {}});
  }
  std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.code < b.code; });
  std::vector<Item> sampled;
  for (std::size_t i = 0; i < items.size(); i += static_cast<std::size_t>(o.sample))
    if (o.only.empty() || std::count(o.only.begin(), o.only.end(), items[i].code)) sampled.push_back(items[i]);
  items = std::move(sampled);
  return true;
}

bool writePicture(const fs::path& path, const FidelityPicture& p) {
  std::string bytes = "P6\n" + std::to_string(p.width) + " " + std::to_string(p.height) + "\n255\n";
  bytes.append(reinterpret_cast<const char*>(p.rgb.data()), p.rgb.size());
  return replaceFile(path, bytes).ok();
}

void measureAll(const Options& o, std::vector<Item>& items) {
  std::vector<std::thread> threads;
  for (int t = 0; t < o.jobs; ++t)
    threads.emplace_back([&, t] {
      for (std::size_t i = static_cast<std::size_t>(t); i < items.size(); i += static_cast<std::size_t>(o.jobs)) {
        Item& item = items[i];
        GlyphRead glyph = readGlyphSvg(item.svg);
        if (!glyph.ok()) item.fit.problem = glyph.problem;
        else if (item.text.empty()) item.fit.problem = "not in the library";
        else item.fit = measureFidelity(glyph, item.text, o.size, nullptr, o.brush);
      }
    });
  for (std::thread& t : threads) t.join();
}

std::string line(const Item& item) {
  char text[200];
  const Fidelity& f = item.fit;
  std::snprintf(text, sizeof text, "%s U+%04X  covered %.4f outside %.4f | strict %.4f %.4f | stroke %d %.3f | %d strokes %d records %d px",
                encodeUtf8(item.code).c_str(), unsigned(item.code), f.covered, f.outside, f.coveredStrict,
                f.outsideStrict, f.worstStrokeNumber, f.worstStroke, f.strokes, f.records, f.height);
  return text;
}

int report(const Options& o, std::vector<Item>& items) {
  double sum[4] = {0, 0, 0, 0}, worst[4] = {1, 0, 1, 0};
  int failed = 0, measured = 0;
  for (const Item& item : items) {
    const Fidelity& f = item.fit;
    if (!f.ok()) {
      std::printf("FAILED %s U+%04X: %s\n", encodeUtf8(item.code).c_str(), unsigned(item.code), f.problem.c_str());
      ++failed;
      continue;
    }
    if (o.each) std::printf("%s\n", line(item).c_str());
    double v[4] = {f.covered, f.outside, f.coveredStrict, f.outsideStrict};
    for (int k = 0; k < 4; ++k) sum[k] += v[k], worst[k] = k % 2 ? std::max(worst[k], v[k]) : std::min(worst[k], v[k]);
    ++measured;
  }
  auto rank = [](const Item& a, const Item& b) { return a.fit.ok() && (!b.fit.ok() || a.fit.covered < b.fit.covered); };
  std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return rank(a, b); });
  std::printf("worst %d by tolerant coverage:\n", o.worst);
  for (int i = 0; i < std::min<int>(o.worst, measured); ++i) std::printf("  %s\n", line(items[std::size_t(i)]).c_str());
  int n = std::max(1, measured);
  std::printf("%d characters measured, %d failed (canvas %d px)\n", measured, failed, o.size);
  std::printf("tolerant: covered %.4f on average, %.4f at worst; outside %.4f on average, %.4f at worst\n",
              sum[0] / n, worst[0], sum[1] / n, worst[1]);
  std::printf("strict:   covered %.4f on average, %.4f at worst; outside %.4f on average, %.4f at worst\n",
              sum[2] / n, worst[2], sum[3] / n, worst[3]);
  return failed ? 1 : 0;
}

void drawWorst(const Options& o, const std::vector<Item>& items) {
  if (o.pictures.empty()) return;
  fs::create_directories(o.pictures);
  for (int i = 0; i < std::min<int>(o.worst, static_cast<int>(items.size())); ++i) {
    const Item& item = items[std::size_t(i)];
    if (!item.fit.ok()) continue;
    FidelityPicture picture;
    (void)measureFidelity(readGlyphSvg(item.svg), item.text, o.size, &picture, o.brush);
    const fs::path file = o.pictures / (std::to_string(unsigned(item.code)) + ".ppm");
    if (!writePicture(file, picture)) std::fprintf(stderr, "sumimai-fidelity: cannot write %s\n", file.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  sumimai::speakUsersLanguage();
  sumimai::removeTemporaryFilesOnSignals();
  Options o;
  if (const std::optional<int> status = parse(argc, argv, o)) return *status;
  std::vector<Item> items;
  if (!collect(o, items)) return 1;
  measureAll(o, items);
  int status = report(o, items);
  drawWorst(o, items);
  return status;
}
