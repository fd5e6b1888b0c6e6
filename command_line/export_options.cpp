#include "export_options.h"

#include "brush_options.h"
#include "locale_options.h"
#include "core/page_grid.h"
#include "core/user_language.h"
#include "strict_values.h"

namespace sumimai {
namespace {

constexpr char kContext[] = "ToolOptions";  // shared with sumimai-render

// A number outside its range in the option's own words: "the speed 11 is
// outside 0..10".
std::string setReal(const char* option, const char* as, const char* needs, double& to, const std::string& v,
                    double low, double high) {
  const std::optional<double> value = strictRealNumber(v);
  if (!value) return notAValue(option, needs, v);
  if (*value < low || *value > high) return outsideRange(userText(kContext, as), *value, low, high);
  to = *value;
  return "";
}

std::string setWhole(const char* option, std::optional<int>& to, const std::string& v, int low, int high) {
  const ValueRead<int> read = wholeNumberIn(option, v, low, high);
  if (read.value) to = read.value;
  return read.problem;
}

std::string setSutra(ExportOptions& o, const std::string& v) {
  const std::size_t dash = v.find('-', 1);
  const auto first = strictWholeNumber(v.substr(0, dash));
  const auto last = dash == std::string::npos ? first : strictWholeNumber(v.substr(dash + 1));
  if (!first || !last) {
    return filledIn(userText(kContext, "--sutra needs FIRST-LAST, characters 1..%1, not '%2'"),
                    {std::to_string(kSutraCharacters), v});
  }
  if (*first < 1 || *last > kSutraCharacters || *first > *last) {
    return filledIn(userText(kContext, "the sutra range %1 is not within 1-%2"), {v, std::to_string(kSutraCharacters)});
  }
  o.sutra = SutraRange{static_cast<int>(*first), static_cast<int>(*last)};
  return "";
}

std::string setMissing(ExportOptions& o, const std::string& v) {
  if (v == "error") o.missing = UnwrittenCharacters::Refused;
  else if (v == "box") o.missing = UnwrittenCharacters::Boxed;
  else if (v == "skip") o.missing = UnwrittenCharacters::Skipped;
  else return filledIn(userText(kContext, "--missing is error, box or skip, not '%1'"), {v});
  return "";
}

template <typename T>
std::string take(std::optional<T>& to, ValueRead<T> read) {
  if (read.value) to = read.value;
  return read.problem;
}

void addValues(ToolCommandLine& line, ExportOptions& o) {
  line.value("--speed", [&o](const std::string& v) {
    double speed = 0;
    std::string problem = setReal("--speed", "the speed", "a number 0..10", speed, v, 0, 10);
    if (problem.empty()) o.speed = speed;
    return problem;
  });
  line.value("--fps", [&o](const std::string& v) { return setWhole("--fps", o.fps, v, 1, 60); });
  line.value("--size", [&o](const std::string& v) { return take(o.size, pictureSize("--size", v)); });
  line.value("--layout", [&o](const std::string& v) -> std::string {
    if (v != "column" && v != "row") return filledIn(userText(kContext, "--layout is column or row, not '%1'"), {v});
    o.layout = v == "row" ? WritingDirection::Rows : WritingDirection::Columns;
    return "";
  });
  line.value("--per-line", [&o](const std::string& v) { return setWhole("--per-line", o.perLine, v, 1, 10000); });
  line.value("--chars-per-line",
             [&o](const std::string& v) { return setWhole("--chars-per-line", o.perLine, v, 1, 10000); });
  line.value("--missing", [&o](const std::string& v) { return setMissing(o, v); });
  line.value("--duration", [&o](const std::string& v) {
    double seconds = 0;
    std::string problem = setReal("--duration", "the duration", "seconds", seconds, v, 0.1, 3600);
    if (problem.empty()) o.duration = seconds;
    return problem;
  });
  line.value("--ink", [&o](const std::string& v) { return take(o.ink, rgbColour("--ink", v)); });
  line.value("--ground", [&o](const std::string& v) {
    o.transparentGround = v == "transparent";
    if (o.transparentGround) return std::string();
    const ValueRead<Rgb> read = rgbColour("--ground", v);
    return read.value ? take(o.ground, read) : notAValue("--ground", "R,G,B with each 0..255, or transparent", v);
  });
  line.value("--background", [&o](const std::string& v) {
    o.background = v;
    return std::string();
  });
  line.value("--hold", [&o](const std::string& v) { return setReal("--hold", "the hold", "seconds", o.hold, v, 0, 60); });
  line.value("--quality", [&o](const std::string& v) { return setWhole("--quality", o.quality, v, 0, 100); });
  addBrushOptions(line, o.brush);
  addLocaleOptions(line, o.locale);
  line.value("--sutra", [&o](const std::string& v) { return setSutra(o, v); });
  line.value("--text", [&o](const std::string& v) {
    o.text = v;
    return v.empty() ? userText(kContext, "--text needs characters") : std::string();
  });
}

// The checks across options, once all are read.
std::string checkTogether(ExportOptions& o, std::vector<std::string>& positional, bool once, bool loop) {
  if (once && loop) return userText(kContext, "--once and --loop exclude each other");
  if (once || loop) o.loop = loop;
  if ((o.ground || o.transparentGround) && o.background) return userText(kContext, "--ground and --background exclude each other");
  if (o.duration && *o.duration <= o.hold) return userText(kContext, "--duration must be longer than --hold");
  if (positional.empty()) return userText(kContext, "no output file named (the last argument)");
  o.output = positional.back();
  positional.pop_back();
  o.files = positional;
  const int kinds = !o.files.empty() + o.sutra.has_value() + o.text.has_value() + o.page;
  if (kinds == 0) return userText(kContext, "nothing to write: give stroke files, --sutra, --text or --page");
  if (kinds > 1) return userText(kContext, "give one kind of input: stroke files, --sutra, --text or --page");
  return "";
}

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string>& arguments) {
  ParsedOptions parsed;
  ExportOptions& o = parsed.options;
  ToolCommandLine line(kExportProgram, helpText());
  addValues(line, o);
  bool once = false, loop = false;
  line.flag("--page", o.page);
  line.flag("--once", once);
  line.flag("--loop", loop);
  line.flag("--quiet", o.quiet);
  std::vector<std::string> positional;
  line.positionals(positional);
  parsed.read = line.read(arguments);
  if (parsed.read.ok() && !parsed.read.help && !parsed.read.version)
    parsed.read.problem = checkTogether(o, positional, once, loop);
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
  .webm   VP9 video (VP8 above 3 million pixels), yuv420p
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
                     digits and punctuation (、。，．・！？「」『』（）【】〔〕
                     〜…‥) are drawn from strokes of our own, in their
                     vertical forms in columns; a blank leaves its cell
                     empty, a line feed starts a new column (or row); a
                     character without data is an error (see --missing)
  --page             the sutra page with its grid, as start-up draws it

Several characters are set as Japanese text is set, on their design box,
with a margin of a tenth of a cell around them; --sutra puts the title in
a column of its own. A character lasts as long at every size as it does
on a 1920x1080 screen.

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
  --chars-per-line N characters per column (or row); longer lines wrap by
                     the line breaking rules (also --per-line N)
  --missing box      a character without data: an empty cell in a dotted
                     frame, named in a note; skip: left out, with the note;
                     error (default): refused, naming it
  --ink R,G,B        ink colour (default: the colour in 設定.dat, else black)
  --ground R,G,B     a plain ground of this colour
  --ground transparent
                     no ground: clear where there is no ink, in WebP and
                     PNG; the other formats are written on white, with a note
  --background FILE  a picture as the ground, stretched to the picture
                     (default ground: Picture2.jpg of the working folder
                     when it is there, else white)
  --hold SECONDS     how long the finished writing stays, 0..60 (default 1.5)
  --duration SECONDS the whole export lasts this long, the hold included:
                     the drawing is paced to fit
  --once, --loop     WebP and GIF play once, or loop for ever (default)
  --quality Q        WebP: lossy at quality 0..100 instead of lossless
  --brush round|ink  the round brush (default) or the ink brush 墨: the same
                     strokes and timing, with dry streaks, the paper's grain
                     and wet ink where the brush dwells
  --seed N           varies the ink brush's bristles and paper (default 1);
                     the same seed gives the same pictures
  --locale ja|zh-Hans|zh-Hant|ko  the forms and stroke order of Japan
                     (default), mainland China, Taiwan or Korea; a character
                     its library lacks is taken from the next (zh-Hant:
                     zh-Hans, ja; ko: zh-Hant, zh-Hans, ja; ja and zh-Hans:
                     the other), named in a note
  --strict-locale    refuse those characters instead
  --quiet            nothing on stderr but errors: no progress bar, notes
                     or the closing line that names what was written
  --help             this text
  --version          the program's name and version

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
