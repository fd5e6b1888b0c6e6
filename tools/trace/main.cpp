// sumimai-trace: runs the renderer's own code against a recording canvas and
// prints every canvas call, for checking stroke files and the renderer.
//
//   sumimai-trace char FILE --canvas WxH [--speed S] [--ink R,G,B]
//   sumimai-trace page FILE --form WxH [--ink R,G,B]
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "data_files/number_forms.h"
#include "renderer/trace/trace_lines.h"
#include "renderer/trace/trace_runs.h"

namespace {

using namespace sumimai;

struct Options {
  std::string mode, file;
  std::optional<SizeF> size;
  double speed = 0;
  InkColour ink{0, 0, 0};
};

int usage() {
  std::cerr << "usage: sumimai-trace char FILE --canvas WxH [--speed S] [--ink R,G,B]\n"
               "       sumimai-trace page FILE --form WxH [--ink R,G,B]\n";
  return 2;
}

// Splits "a<sep>b<sep>..." into numbers; nothing if any part is not one.
std::optional<std::vector<double>> numbers(const std::string& text, char sep, std::size_t count) {
  std::vector<double> out;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find(sep, start);
    std::optional<double> v = parseNumberItem(text.substr(start, end - start));
    if (!v) return std::nullopt;
    out.push_back(*v);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (out.size() != count) return std::nullopt;
  return out;
}

std::optional<Options> parse(int argc, char** argv) {
  if (argc < 3) return std::nullopt;
  Options o;
  o.mode = argv[1];
  o.file = argv[2];
  const std::string sizeFlag = o.mode == "char" ? "--canvas" : "--form";
  for (int i = 3; i + 1 < argc; i += 2) {
    std::string flag = argv[i], value = argv[i + 1];
    if (flag == sizeFlag) {
      auto wh = numbers(value, 'x', 2);
      if (!wh) return std::nullopt;
      o.size = SizeF{static_cast<float>((*wh)[0]), static_cast<float>((*wh)[1])};
    } else if (flag == "--speed" && o.mode == "char") {
      auto s = numbers(value, ',', 1);
      if (!s) return std::nullopt;
      o.speed = (*s)[0];
    } else if (flag == "--ink") {
      auto rgb = numbers(value, ',', 3);
      if (!rgb) return std::nullopt;
      o.ink = {(*rgb)[0], (*rgb)[1], (*rgb)[2]};
    } else {
      return std::nullopt;
    }
  }
  if ((argc - 3) % 2 != 0 || !o.size || (o.mode != "char" && o.mode != "page")) return std::nullopt;
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<Options> o = parse(argc, argv);
  if (!o) return usage();
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
  TraceResult result = o->mode == "char" ? traceCharacter(o->file, *o->size, o->speed, o->ink, recorder)
                                         : tracePage(o->file, *o->size, o->ink, recorder);
  out += stateLine(result.StrokeCount, result.CurrentThickness) + "\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  for (const std::string& m : result.messages) std::cerr << m << "\n";
  return 0;
}
