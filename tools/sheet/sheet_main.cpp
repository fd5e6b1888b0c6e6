// sumimai-sheet [options] --text TEXT OUT.pdf (or --file FILE): practice
// sheets of the characters of a text, each shown stroke by stroke, with
// cells to trace and to write in (--help). The PDF is painted with Qt's PDF
// writer, the same painter the Studio prints with, so that a printed sheet
// and this file agree; its text is real text in an embedded Japanese font.
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "command_line/brush_options.h"
#include "command_line/locale_options.h"
#include "command_line/strict_values.h"
#include "command_line/tool_command_line.h"
#include "common/users_language.h"
#include "core/user_language.h"
#include "data_files/replacing_file.h"
#include "worksheet/qt/sheet_painter.h"
#include "working_folder/data_places.h"

namespace {

using namespace sumimai;

// Qt's own notices (a missing runtime folder, ...) are no business of the
// user of a command-line tool; its errors still show.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s: %s\n", "sumimai-sheet", qPrintable(message));
}

constexpr char kProgram[] = "sumimai-sheet";

constexpr char kHelp[] = R"(usage: sumimai-sheet [options] --text TEXT OUT.pdf
       sumimai-sheet [options] --file TEXT-FILE OUT.pdf

Writes practice sheets of the characters of a text as a PDF. For each
character: a heading with the character written large by the brush and its
stroke count (5画); the strokes one by one, stroke k in ink and the earlier
ones light grey, with its number, a dot where it starts and an arrow the way
it goes; then practice cells, the first with the character faint to write
over, the rest empty. Punctuation and spaces are left out. Characters are
found by name as sumimai-render finds them; a character without data is
refused by name and nothing is written.

Options:
  --text TEXT        the characters to practise
  --file FILE        the characters of a UTF-8 text file instead
  --trace N          practice cells with the character faint, 0..100
                     (default 3)
  --cells N          practice cells per character in all, 1..500 (default:
                     to the end of the line)
  --grid STYLE       guide lines in the cells: none, tian (田字格), mi
                     (米字格, default) or jiugong (九宮格)
  --title TEXT       a title at the top of every page
  --paper PAPER      a4 (default), letter or b5 (JIS B5, 182 x 257 mm)
  --landscape        the paper turned sideways
  --ink R,G,B        ink colour, each 0..255 (default 0,0,0)
  --no-numbers       no stroke numbers, start dots or arrows
  --brush round|ink  the round brush (default) or the ink brush 墨
  --seed N           the ink brush's bristles and paper, 0 or more (default 1)
  --locale ja|zh-Hans|zh-Hant|ko  the forms and stroke order of Japan
                     (default), mainland China, Taiwan or Korea; a character
                     its library lacks is taken from the next (zh-Hant:
                     zh-Hans, ja; ko: zh-Hant, zh-Hans, ja; ja and zh-Hans:
                     the other), named in a note
  --strict-locale    refuse those characters instead
  --help             this text
  --version          the program's name and version

Exit status: 0 when the sheet is written, 1 when it cannot be or the
command line is wrong (nothing is written then).
)";

struct SheetRequest {
  std::optional<std::string> text, file;
  SheetOptions options;
  LookupChoice locale;
  std::string out;
};

void addOptions(ToolCommandLine& line, SheetRequest& r, bool& noNumbers, std::vector<std::string>& positional) {
  line.value("--text", [&r](const std::string& v) {
    r.text = v;
    return v.empty() ? userText("ToolOptions", "--text needs characters") : std::string();
  });
  line.value("--file", [&r](const std::string& v) {
    r.file = v;
    return std::string();
  });
  line.value("--trace", [&r](const std::string& v) {
    const ValueRead<int> read = wholeNumberIn("--trace", v, 0, 100);
    if (read.value) r.options.trace = *read.value;
    return read.problem;
  });
  line.value("--cells", [&r](const std::string& v) {
    const ValueRead<int> read = wholeNumberIn("--cells", v, 1, 500);
    if (read.value) r.options.cells = *read.value;
    return read.problem;
  });
  line.value("--grid", [&r](const std::string& v) -> std::string {
    const std::optional<GridStyle> grid = gridNamed(v);
    if (!grid) return filledIn(userText(kProgram, "--grid is none, tian, mi or jiugong, not '%1'"), {v});
    r.options.grid = *grid;
    return "";
  });
  line.value("--paper", [&r](const std::string& v) -> std::string {
    const std::optional<Paper> paper = paperNamed(v);
    if (!paper) return filledIn(userText(kProgram, "--paper is a4, letter or b5, not '%1'"), {v});
    r.options.paper = *paper;
    return "";
  });
  line.value("--title", [&r](const std::string& v) {
    r.options.title = v;
    return std::string();
  });
  line.value("--ink", [&r](const std::string& v) {
    const ValueRead<Rgb> read = rgbColour("--ink", v);
    if (read.value) r.options.ink = *read.value;
    return read.problem;
  });
  addBrushOptions(line, r.options.brush);
  addLocaleOptions(line, r.locale);
  line.flag("--landscape", r.options.landscape);
  line.flag("--no-numbers", noNumbers);
  line.positionals(positional);
}

std::string checkTogether(SheetRequest& r, const std::vector<std::string>& positional) {
  if (r.text && r.file) return userText(kProgram, "--text and --file exclude each other");
  if (!r.text && !r.file) return userText(kProgram, "give the characters with --text or --file");
  if (positional.size() != 1) return userText(kProgram, "give only OUT.pdf after the options");
  if (!positional[0].ends_with(".pdf")) return filledIn(userText(kProgram, "the sheet must be a .pdf file: %1"), {positional[0]});
  r.out = positional[0];
  return "";
}

int fail(const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
  return 1;
}

std::optional<std::string> readText(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

std::string fileProblem(const ReplacingFile& file) {
  return filledIn(userText(kProgram, "cannot write %1: %2"), {file.target().string(), std::strerror(file.error())});
}

int run(const SheetRequest& r) {
  std::optional<std::string> text = r.text;
  if (r.file) {
    text = readText(*r.file);
    if (!text) return fail(filledIn(userText(kProgram, "cannot read %1: %2"), {*r.file, std::strerror(errno)}));
  }
  SheetCharacters found = sheetCharacters(*text, standardLookup(programDataPlaces(), r.locale));
  if (!found.ok()) return fail(r.file ? *r.file + ": " + found.problem : found.problem);
  for (const std::string& note : found.notes) fail(filledIn(userText(kProgram, "note: %1"), {note}));
  ReplacingFile file(r.out);
  if (file.error() != 0) return fail(fileProblem(file));
  const Worksheet sheet = worksheetOf(std::move(found.characters), r.options);
  const QByteArray pdf = worksheetPdf(sheet, r.options.title.empty() ? *text : r.options.title);
  if (pdf.isEmpty()) return fail(filledIn(userText(kProgram, "cannot paint the sheet for %1"), {r.out}));
  if (!file.write(pdf.toStdString()) || !file.commit()) return fail(fileProblem(file));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  speakUsersLanguage();
  removeTemporaryFilesOnSignals();
  // The PDF's fonts need a GUI application, but no screen.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietQt);
  QGuiApplication app(argc, argv);
  SheetRequest request;
  bool noNumbers = false;
  std::vector<std::string> positional;
  ToolCommandLine line(kProgram, kHelp);
  addOptions(line, request, noNumbers, positional);
  // Every mistake ends with status 1 here, as a sheet that cannot be written does.
  if (const std::optional<int> status = line.finish(line.read({argv + 1, argv + argc}))) return *status == 0 ? 0 : 1;
  request.options.numbers = !noNumbers;
  if (std::string problem = checkTogether(request, positional); !problem.empty()) return line.mistake(problem) == 0 ? 0 : 1;
  try {
    return run(request);
  } catch (const std::exception& e) {
    return fail(filledIn(userText(kProgram, "unexpected failure: %1"), {e.what()}));
  }
}
