// sumimai-grade [--locale L] TRACE.json: judges a learner's strokes of one
// character (read from the file, or from standard input for "-") against
// the character's stroke data and writes the judgement as JSON to standard
// output. Exit status 0 when judged, 1 for input that cannot be judged, 2
// for a command line that cannot be followed.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "grading/grader.h"
#include "grading/model_character.h"
#include "grading/trace_json.h"
#include "working_folder/data_places.h"

namespace {

using namespace sumimai;

// The writing traditions whose stroke order and shapes the data holds.
constexpr char kOnlyLocale[] = "ja";

int fail(const std::string& message, int status) {
  std::fprintf(stderr, "sumimai-grade: %s\n", message.c_str());
  return status;
}

std::optional<std::string> readAll(const std::string& name) {
  if (name == "-") return std::string(std::istreambuf_iterator<char>(std::cin), {});
  std::ifstream in(name, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

int judge(const std::string& name) {
  const std::string shown = name == "-" ? "standard input" : name;
  const std::optional<std::string> text = readAll(name);
  if (!text) return fail(shown + ": cannot be read", 1);
  const grading::TraceRead read = grading::readTrace(*text);
  if (!read.ok()) return fail(shown + ": " + read.problem, 1);
  const grading::ModelFound found = grading::findModel(standardLookup(programDataPlaces()), read.trace.character);
  if (!found.ok()) return fail(shown + ": " + found.problem, 1);
  const grading::Grading grading = grading::grade(found.model, read.trace.strokes);
  std::cout << grading::judgementJson(read.trace.character, grading) << '\n' << std::flush;
  return std::cout ? 0 : fail("cannot write the judgement", 1);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Judges a learner's strokes of one character against its stroke data; "
               "writes the judgement as JSON to standard output.",
               "sumimai-grade"};
  app.set_version_flag("--version", std::string("sumimai-grade ") + SUMIMAI_VERSION);
  std::string locale = kOnlyLocale, trace;
  app.add_option("--locale", locale,
                 "the writing tradition whose stroke order and shapes judge the strokes; "
                 "only ja (Japanese) for now")
      ->capture_default_str();
  app.add_option("TRACE", trace, "the trace as JSON, or - for standard input")->required();
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    return fail(std::string(e.what()) + " (see --help)", 2);
  }
  if (locale != kOnlyLocale)
    return fail("--locale " + locale + ": only ja (Japanese stroke order and shapes) is available (see --help)", 2);
  return judge(trace);
}
