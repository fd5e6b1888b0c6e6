// sumimai-trace: runs the renderer's own code against a recording canvas and
// prints every canvas call, for checking stroke files and the renderer.
//
//   sumimai-trace char FILE --canvas WxH [--speed S] [--ink R,G,B]
//   sumimai-trace page FILE --form WxH [--ink R,G,B]
//
// Sizes are in twips and the values are numbers as the files write them
// (fractions and values beyond 0..255 included): the trace shows what the
// renderer makes of any of them.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "common/users_language.h"
#include "command_line/tool_command_line.h"
#include "core/user_language.h"
#include "data_files/number_forms.h"
#include "renderer/trace/trace_lines.h"
#include "renderer/trace/trace_runs.h"

namespace {

using namespace sumimai;

constexpr char kProgram[] = "sumimai-trace";

constexpr char kHelp[] = R"(usage: sumimai-trace char FILE --canvas WxH [--speed S] [--ink R,G,B]
       sumimai-trace page FILE --form WxH [--ink R,G,B]

Runs the programs' own loading, fitting and drawing of a character's stroke
file (char) or of the page file (page) against a recording canvas and prints
every canvas call, one a line, then the final stroke count and thickness.

Options:
  --canvas WxH       the canvas of a character, in twips
  --form WxH         the main window of the page, in twips
  --speed S          the drawing speed (default 0)
  --ink R,G,B        the ink colour (default 0,0,0)
  --help             this text
  --version          the program's name and version
)";

struct Options {
  std::string mode, file;
  std::optional<SizeF> canvas, form;
  double speed = 0;
  InkColour ink{0, 0, 0};
};

// Splits "a<sep>b<sep>..." into count numbers; nothing if any part is not one.
std::optional<std::vector<double>> numbers(const std::string& text, char sep, std::size_t count) {
  std::vector<double> out;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(sep, start);
    const std::optional<double> v = parseNumberItem(text.substr(start, end - start));
    if (!v) return std::nullopt;
    out.push_back(*v);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (out.size() != count) return std::nullopt;
  return out;
}

ValueReader sizeInto(const char* option, std::optional<SizeF>& to) {
  return [option, &to](const std::string& v) -> std::string {
    const auto wh = numbers(v, 'x', 2);
    if (!wh) return filledIn(userText(kProgram, "%1 needs WIDTHxHEIGHT in twips, not '%2'"), {option, v});
    to = SizeF{static_cast<float>((*wh)[0]), static_cast<float>((*wh)[1])};
    return "";
  };
}

std::string checkTogether(Options& o, const std::vector<std::string>& positional) {
  if (positional.size() != 2) return userText(kProgram, "give char or page and the FILE");
  o.mode = positional[0], o.file = positional[1];
  if (o.mode == "char" && !o.canvas) return userText(kProgram, "char needs --canvas WxH");
  if (o.mode == "page" && !o.form) return userText(kProgram, "page needs --form WxH");
  if (o.mode != "char" && o.mode != "page")
    return filledIn(userText(kProgram, "the first argument is char or page, not '%1'"), {o.mode});
  if (o.mode == "char" && o.form) return userText(kProgram, "--form is for page");
  if (o.mode == "page" && o.canvas) return userText(kProgram, "--canvas is for char");
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  sumimai::speakUsersLanguage();
  Options o;
  std::vector<std::string> positional;
  ToolCommandLine line(kProgram, kHelp);
  line.value("--canvas", sizeInto("--canvas", o.canvas));
  line.value("--form", sizeInto("--form", o.form));
  line.value("--speed", [&o](const std::string& v) -> std::string {
    const auto s = numbers(v, ',', 1);
    if (!s) return filledIn(userText(kProgram, "--speed needs a number, not '%1'"), {v});
    o.speed = (*s)[0];
    return "";
  });
  line.value("--ink", [&o](const std::string& v) -> std::string {
    const auto rgb = numbers(v, ',', 3);
    if (!rgb) return filledIn(userText(kProgram, "--ink needs R,G,B, not '%1'"), {v});
    o.ink = {(*rgb)[0], (*rgb)[1], (*rgb)[2]};
    return "";
  });
  line.positionals(positional);
  if (const std::optional<int> status = line.finish(line.read({argv + 1, argv + argc}))) return *status;
  if (std::string problem = checkTogether(o, positional); !problem.empty()) return line.mistake(problem);
  std::string out;
  RecordingCanvas recorder;
  recorder.keepCalls = false;
  recorder.onCall = [&](const CanvasCall& call) {
    out += traceLine(call);
    out += '\n';
    if (out.size() > (1 << 20)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  };
  TraceResult result = o.mode == "char" ? traceCharacter(o.file, *o.canvas, o.speed, o.ink, recorder)
                                        : tracePage(o.file, *o.form, o.ink, recorder);
  out += stateLine(result.StrokeCount, result.CurrentThickness) + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  for (const std::string& m : result.messages) std::cerr << m << "\n";
  return 0;
}
