#include "export_options.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

#include "data_files/character_list.h"

namespace sumimai {
namespace {

using Setter = std::function<std::string(ExportOptions&, const std::string&)>;

std::optional<int> wholeNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end) return std::nullopt;
  return value;
}

std::optional<double> realNumber(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(value)) return std::nullopt;
  return value;
}

// "A<separator>B" as two whole numbers.
std::optional<std::pair<int, int>> pairOf(const std::string& text, char separator) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) return std::nullopt;
  auto a = wholeNumber(text.substr(0, at)), b = wholeNumber(text.substr(at + 1));
  if (!a || !b) return std::nullopt;
  return std::pair{*a, *b};
}

std::string inRange(const char* what, double value, double low, double high) {
  if (value >= low && value <= high) return "";
  char text[160];
  std::snprintf(text, sizeof text, "%s %g is outside %g..%g", what, value, low, high);
  return text;
}

std::string setSpeed(ExportOptions& o, const std::string& v) {
  auto speed = realNumber(v);
  if (!speed) return "--speed needs a number 0..10, not '" + v + "'";
  o.speed = *speed;
  return inRange("the speed", *speed, 0, 10);
}

std::string setWhole(const char* flag, std::optional<int>& to, const std::string& v, int low, int high) {
  to = wholeNumber(v);
  if (!to) return std::string(flag) + " needs a whole number, not '" + v + "'";
  return inRange(flag, *to, low, high);
}

std::string setSize(ExportOptions& o, const std::string& v) {
  auto size = pairOf(v, 'x');
  if (!size) return "--size needs WIDTHxHEIGHT in pixels, not '" + v + "'";
  if (size->first < 1 || size->second < 1) return "the size " + v + " has no pixels";
  if (size->first > kLargestSide || size->second > kLargestSide) {
    return "the size " + v + " is too large (at most " + std::to_string(kLargestSide) + " a side)";
  }
  o.size = PictureSize{size->first, size->second};
  return "";
}

std::string setColour(const char* flag, std::optional<Rgb>& to, const std::string& v) {
  int parts[3] = {-1, -1, -1};
  std::size_t from = 0;
  for (int i = 0; i < 3 && from <= v.size(); ++i) {
    const std::size_t comma = i < 2 ? v.find(',', from) : v.size();
    if (comma == std::string::npos) break;
    parts[i] = wholeNumber(v.substr(from, comma - from)).value_or(-1);
    from = comma + 1;
  }
  for (int c : parts) {
    if (c < 0 || c > 255) return std::string(flag) + " needs R,G,B with each 0..255, not '" + v + "'";
  }
  to = Rgb{parts[0], parts[1], parts[2]};
  return "";
}

std::string setSutra(ExportOptions& o, const std::string& v) {
  auto range = pairOf(v, '-');
  if (auto single = wholeNumber(v)) range = std::pair{*single, *single};
  if (!range) return "--sutra needs FIRST-LAST, characters 1.." + std::to_string(kSutraCharacters) + ", not '" + v + "'";
  if (range->first < 1 || range->second > kSutraCharacters || range->first > range->second) {
    return "the sutra range " + v + " is not within 1-" + std::to_string(kSutraCharacters);
  }
  o.sutra = SutraRange{range->first, range->second};
  return "";
}

const std::map<std::string, Setter>& valueOptions() {
  static const std::map<std::string, Setter> options{
      {"--speed", setSpeed},
      {"--fps", [](ExportOptions& o, const std::string& v) { return setWhole("--fps", o.fps, v, 1, 60); }},
      {"--size", setSize},
      {"--layout",
       [](ExportOptions& o, const std::string& v) -> std::string {
         if (v != "column" && v != "row") return "--layout is column or row, not '" + v + "'";
         o.layout = v == "row" ? WritingDirection::Rows : WritingDirection::Columns;
         return "";
       }},
      {"--per-line", [](ExportOptions& o, const std::string& v) { return setWhole("--per-line", o.perLine, v, 1, 10000); }},
      {"--ink", [](ExportOptions& o, const std::string& v) { return setColour("--ink", o.ink, v); }},
      {"--ground", [](ExportOptions& o, const std::string& v) { return setColour("--ground", o.ground, v); }},
      {"--background",
       [](ExportOptions& o, const std::string& v) {
         o.background = v;
         return std::string();
       }},
      {"--hold",
       [](ExportOptions& o, const std::string& v) -> std::string {
         auto hold = realNumber(v);
         if (!hold) return "--hold needs seconds, not '" + v + "'";
         o.hold = *hold;
         return inRange("the hold", *hold, 0, 60);
       }},
      {"--quality", [](ExportOptions& o, const std::string& v) { return setWhole("--quality", o.quality, v, 0, 100); }},
      {"--brush",
       [](ExportOptions& o, const std::string& v) -> std::string {
         const std::optional<BrushKind> kind = brushKindNamed(v);
         if (!kind) return "--brush is round or ink, not '" + v + "'";
         o.brush.kind = *kind;
         return "";
       }},
      {"--seed",
       [](ExportOptions& o, const std::string& v) -> std::string {
         unsigned long long seed = 0;
         const char* end = v.data() + v.size();
         const auto [at, error] = std::from_chars(v.data(), end, seed);
         if (v.empty() || error != std::errc() || at != end) return "--seed needs a whole number 0 or more, not '" + v + "'";
         o.brush.seed = seed;
         return "";
       }},
      {"--sutra", setSutra},
      {"--text",
       [](ExportOptions& o, const std::string& v) {
         o.text = v;
         return v.empty() ? std::string("--text needs characters") : std::string();
       }},
  };
  return options;
}

bool setFlag(ExportOptions& o, const std::string& flag) {
  if (flag == "--page") o.page = true;
  else if (flag == "--once") o.loop = false;
  else if (flag == "--loop") o.loop = true;
  else if (flag == "--quiet") o.quiet = true;
  else if (flag == "--help" || flag == "-h") o.help = true;
  else return false;
  return true;
}

// The checks across options, once all are read.
std::string checkTogether(ExportOptions& o, std::vector<std::string>& positional, int loopFlags) {
  if (loopFlags > 1) return "--once and --loop exclude each other";
  if (o.ground && o.background) return "--ground and --background exclude each other";
  if (positional.empty()) return "no output file named (the last argument)";
  o.output = positional.back();
  positional.pop_back();
  o.files = positional;
  const int kinds = !o.files.empty() + o.sutra.has_value() + o.text.has_value() + o.page;
  if (kinds == 0) return "nothing to write: give stroke files, --sutra, --text or --page";
  if (kinds > 1) return "give one kind of input: stroke files, --sutra, --text or --page";
  return "";
}

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
  ParsedOptions parsed;
  ExportOptions& o = parsed.options;
  std::vector<std::string> positional;
  int loopFlags = 0;
  bool optionsEnd = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
      positional.push_back(arg);
    } else if (arg == "--") {
      optionsEnd = true;
    } else if (auto setter = valueOptions().find(arg); setter != valueOptions().end()) {
      if (i + 1 == arguments.size()) return {o, arg + " needs a value"};
      if (std::string problem = setter->second(o, arguments[++i]); !problem.empty()) return {o, problem};
    } else if (setFlag(o, arg)) {
      loopFlags += arg == "--once" || arg == "--loop";
    } else {
      return {o, "unknown option " + arg};
    }
  }
  if (o.help) return parsed;
  parsed.problem = checkTogether(o, positional, loopFlags);
  return parsed;
}

std::string helpText() {
  return R"(usage: sumimai-export [options] INPUT... OUT

Writes the brush writing as an animation that lasts as long as the drawing
does on screen, then holds the finished writing. The extension of OUT picks
the format:
  .webp   animated WebP, lossless (lossy with --quality)
  .gif    animated GIF (exact colours over a plain ground)
  .mp4    H.264 video, yuv420p, index at the front for streaming
  .webm   VP9 video, yuv420p
  .png    the still of the finished writing
Every format keeps the frames' times on the --fps grid and stores a frame
only when the picture changes: a pause lengthens the frame before it.

INPUT, one kind of:
  FILE...            stroke files (.mem), one character each
  --sutra A-B        characters A to B (1..276) of the sutra, numbered as the
                     program numbers them, through 般若心経/文字2.csv
  --text "TEXT"      each character of TEXT by name: 般若心経/<character>.mem
                     of the working folder, else of the shipped data, else
                     the character library 文字集.smlib (kanji and kana);
                     、。「」『』・ are drawn from simple strokes of our own
                     (placed for columns or rows); a blank leaves its cell
                     empty; any other character without data is an error
  --page             the sutra page with its grid, as start-up draws it

Several characters are laid out as the sutra is written.

Options:
  --speed S          drawing speed 0..10 (default: the Speed in 設定.dat of
                     the working folder, else 0, the fastest)
  --fps N            frames a second, 1..60 (default 30); a GIF keeps each
                     frame at least 2/100 s, as viewers show no shorter ones
  --size WxH         picture size in pixels, at most 8192 a side (default
                     720x720 for one character, 1280x720 for the page; for
                     several characters cells of up to 240 pixels in at most
                     1920x1080). MP4 and WebM need an even width and height:
                     an odd one is rounded up by one pixel, with a note.
  --layout column    top to bottom, columns right to left (default)
  --layout row       left to right, rows top to bottom
  --per-line N       characters per column (or row)
  --ink R,G,B        ink colour (default: the colour in 設定.dat, else black)
  --ground R,G,B     a plain ground of this colour
  --background FILE  a picture as the ground, stretched to the picture
                     (default ground: Picture2.jpg of the working folder
                     when it is there, else white)
  --hold SECONDS     how long the finished writing stays, 0..60 (default 1.5)
  --once, --loop     WebP and GIF play once, or loop for ever (default)
  --quality Q        WebP: lossy at quality 0..100 instead of lossless
  --brush round|ink  the round brush (default) or the ink brush 墨: the same
                     strokes and timing, with dry streaks, the paper's grain
                     and wet ink where the brush dwells
  --seed N           varies the ink brush's bristles and paper (default 1);
                     the same seed gives the same pictures
  --quiet            nothing on stderr but errors: no progress bar, notes
                     or the closing line that names what was written
  --help             this text

The working folder is the current directory. A file is written under a
temporary name beside OUT and renamed when complete; on any error nothing
is left behind and the exit status is 1 (2 for a bad command line).

Examples:
  sumimai-export 般若心経/色.mem 色.webp
  sumimai-export --sutra 1-10 --fps 25 opening.mp4
  sumimai-export --text "色即是空" --layout column --ground 255,255,255 kuu.gif
  sumimai-export --page --size 1920x1080 page.webm
)";
}

}  // namespace sumimai
