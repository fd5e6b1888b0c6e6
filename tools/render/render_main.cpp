// sumimai-render [options] FILE OUT.png: draws a stroke file (or, with
// --page, the page file with its grid) through the programs' own loader,
// fitting and brush into the programs' own raster, at full speed, and saves
// it as a PNG. sumimai-render [options] --text TEXT OUT.png draws the
// characters of a text, found by name (render_text.h). --help tells the
// options. The ground and the ink are composed as sumimai-export composes
// its frames, so that its last frame and this picture agree pixel for pixel.
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/users_language.h"
#include "command_line/brush_options.h"
#include "command_line/locale_options.h"
#include "command_line/strict_values.h"
#include "core/user_language.h"
#include "command_line/tool_command_line.h"
#include "drawing/raster/ink_only_canvas.h"
#include "export/animation_export.h"
#include "export/compositing.h"
#include "export/export_error.h"
#include "export/ground.h"
#include "export/output_file.h"
#include "render_text.h"
#include "renderer/trace/trace_runs.h"
#include "renderer/window_canvas.h"

namespace {

using namespace sumimai;

constexpr char kProgram[] = "sumimai-render";
// The sentences this tool shares with sumimai-export.
constexpr char kOptions[] = "ToolOptions";

constexpr char kHelp[] = R"(usage: sumimai-render [options] FILE OUT.png
       sumimai-render --text TEXT [options] OUT.png

Draws a stroke file (with --page the page file and its grid) as the program
draws it, at full speed, and saves the finished writing as a PNG. With
--text, the characters of TEXT found by name, as sumimai-export finds them.

Options:
  --text TEXT        the characters of TEXT instead of a file
  --layout column    several characters top to bottom, columns right to
                     left (default); --layout row: left to right
  --chars-per-line N characters to a column (or row); longer lines wrap
  --missing error|box|skip  a character without data refused (default),
                     drawn as a dotted frame, or left out, with a note
  --page             FILE is the page file: drawn with the page's grid
  --size WxH         the window in pixels, at most 8192 a side (default
                     1920x1080; for a text of several characters fitted to
                     the layout); the canvas is 30 twips larger, as in the
                     program
  --ink R,G,B        ink colour, each 0..255 (default 0,0,0)
  --ground R,G,B     plain colour under the ink (default 255,255,255)
  --background FILE  picture under the ink, stretched to the canvas
  --brush round|ink  the round brush (default) or the ink brush 墨
  --seed N           the ink brush's seed (default 1)
  --locale ja|zh-Hans|zh-Hant|ko  the forms and stroke order of Japan
                     (default), mainland China, Taiwan or Korea; a character
                     its library lacks is taken from the next (zh-Hant:
                     zh-Hans, ja; ko: zh-Hant, zh-Hans, ja; ja and zh-Hans:
                     the other), named in a note
  --strict-locale    refuse those characters instead
  --output-size WxH  the picture scaled smoothly to this size (at most 8192
                     a side)
  --help             this text
  --version          the program's name and version

Exit status: 0 when the picture is written, 1 when it cannot be (nothing is
written), 2 for a mistake in the command line.
)";

struct RenderOptions {
  bool page = false;
  std::optional<std::string> text;
  WritingDirection layout = WritingDirection::Columns;
  std::optional<int> perLine;
  UnwrittenCharacters missing = UnwrittenCharacters::Refused;
  std::optional<PictureSize> size;
  InkColour ink{0, 0, 0};
  Ground ground;
  bool groundGiven = false;
  std::optional<PictureSize> outputSize;
  BrushChoice brush;
  LookupChoice locale;
  std::string file;
  QString out;
};

template <typename T>
std::string take(std::optional<T>& to, ValueRead<T> read) {
  if (read.value) to = read.value;
  return read.problem;
}

void addOptions(ToolCommandLine& line, RenderOptions& o, std::vector<std::string>& positional) {
  line.value("--text", [&o](const std::string& v) {
    o.text = v;
    return v.empty() ? userText(kOptions, "--text needs characters") : std::string();
  });
  line.value("--layout", [&o](const std::string& v) -> std::string {
    if (v != "column" && v != "row") return filledIn(userText(kOptions, "--layout is column or row, not '%1'"), {v});
    o.layout = v == "row" ? WritingDirection::Rows : WritingDirection::Columns;
    return "";
  });
  line.value("--chars-per-line", [&o](const std::string& v) { return take(o.perLine, wholeNumberIn("--chars-per-line", v, 1, 10000)); });
  line.value("--missing", [&o](const std::string& v) -> std::string {
    if (v != "error" && v != "box" && v != "skip") return filledIn(userText(kOptions, "--missing is error, box or skip, not '%1'"), {v});
    o.missing = v == "box" ? UnwrittenCharacters::Boxed : v == "skip" ? UnwrittenCharacters::Skipped : UnwrittenCharacters::Refused;
    return "";
  });
  addBrushOptions(line, o.brush);
  addLocaleOptions(line, o.locale);
  line.value("--size", [&o](const std::string& v) { return take(o.size, pictureSize("--size", v)); });
  line.value("--output-size", [&o](const std::string& v) { return take(o.outputSize, pictureSize("--output-size", v)); });
  line.value("--ink", [&o](const std::string& v) {
    const ValueRead<Rgb> read = rgbColour("--ink", v);
    if (read.value) o.ink = {double(read.value->red), double(read.value->green), double(read.value->blue)};
    return read.problem;
  });
  line.value("--ground", [&o](const std::string& v) {
    const ValueRead<Rgb> read = rgbColour("--ground", v);
    if (read.value) o.ground.colour = *read.value, o.groundGiven = true;
    return read.problem;
  });
  line.value("--background", [&o](const std::string& v) {
    o.ground.picture = v;
    return std::string();
  });
  line.flag("--page", o.page);
  line.positionals(positional);
}

// The checks across options, once all are read.
std::string checkTogether(RenderOptions& o, const std::vector<std::string>& positional) {
  if (o.text && o.page) return userText(kProgram, "--text and --page exclude each other");
  if (o.groundGiven && !o.ground.plain()) return userText(kOptions, "--ground and --background exclude each other");
  const std::size_t wanted = o.text ? 1 : 2;
  if (positional.size() != wanted) {
    return o.text ? userText(kProgram, "give only OUT.png after the options")
                  : userText(kProgram, "give FILE and OUT.png (the last two arguments)");
  }
  if (!o.text) o.file = positional[0];
  if (!positional.back().ends_with(".png")) return filledIn(userText(kProgram, "the picture must be a .png file: %1"), {positional.back()});
  o.out = QString::fromStdString(positional.back());
  return "";
}

QImage toQImage(const RgbImage& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    std::copy(picture.row(y), picture.row(y) + picture.width, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
  }
  return image;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
  return 1;
}

int save(QImage image, const RenderOptions& o) {
  if (o.outputSize) {
    image = image.scaled(QSize(o.outputSize->width, o.outputSize->height), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
  }
  // Encoded whole in memory and written through a replacing file: a full
  // disk leaves the old picture as it was, never a broken one.
  OutputFile output(o.out.toStdString());
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
    return fail(filledIn(userText(kProgram, "cannot encode the picture for %1"), {o.out.toStdString()}));
  }
  output.write(bytes.toStdString());
  output.commit();
  return 0;
}

// The picture of a text.
int renderText(const RenderOptions& o) {
  TextRender text{*o.text, o.layout, o.ink, o.ground, std::nullopt, o.perLine, o.missing, o.brush, o.locale};
  if (o.size || charactersIn(*o.text) == 1) text.size = o.size.value_or(PictureSize{1920, 1080});
  std::vector<std::string> notes;
  QImage image = toQImage(textPicture(text, programDataPlaces(), notes));
  for (const std::string& note : notes) std::fprintf(stderr, "%s: %s\n", kProgram, note.c_str());
  return save(image, o);
}

// The picture of a stroke file or of the page.
int renderFile(const RenderOptions& o) {
  if (!std::filesystem::is_regular_file(o.file)) return fail(filledIn(userText(kProgram, "no such file %1"), {o.file}));
  const PictureSize size = o.size.value_or(PictureSize{1920, 1080});
  const RgbImage ground = groundImage(o.ground, size.width, size.height);
  InkOnlyCanvas canvas;
  useBrushOver(o.brush, o.ground, ground, canvas);
  const SizeF form = twipsOf(size);
  TraceResult result = o.page ? tracePage(o.file, form, o.ink, canvas)
                              : traceCharacter(o.file, canvasOfWindow(form), 0, o.ink, canvas);
  canvas.settleInk();
  for (const std::string& m : result.messages) fail(m);
  if (result.blank) {
    return fail(filledIn(userText(kProgram, "nothing to see at this size; %1 not written"), {o.out.toStdString()}));
  }
  const int status = save(toQImage(composedStill(canvas.ink(), ground)), o);
  return status == 0 && !result.messages.empty() ? 1 : status;
}

}  // namespace

int main(int argc, char** argv) {
  sumimai::speakUsersLanguage();
  removeTemporaryFilesOnSignals();
  QCoreApplication app(argc, argv);
  RenderOptions o;
  std::vector<std::string> positional;
  ToolCommandLine line(kProgram, kHelp);
  addOptions(line, o, positional);
  if (const std::optional<int> status = line.finish(line.read({argv + 1, argv + argc}))) return *status;
  if (std::string problem = checkTogether(o, positional); !problem.empty()) return line.mistake(problem);
  try {
    return o.text ? renderText(o) : renderFile(o);
  } catch (const ExportError& e) {
    return fail(e.what());
  } catch (const std::exception& e) {
    return fail(filledIn(userText(kProgram, "unexpected failure: %1"), {e.what()}));
  }
}
