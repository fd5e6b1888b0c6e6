// sumimai-grade [--locale L] TRACE.json: judges a learner's strokes of one
// character (read from the file, or from standard input for "-") against
// the character's stroke data and writes the judgement as JSON to standard
// output. Exit status 0 when judged, 1 for input that cannot be judged, 2
// for a command line that cannot be followed.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "data_files/file_paths.h"
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

// A trace is a few kilobytes; a bound keeps a huge or endless input (a
// device, /dev/zero behind "-") from filling the memory.
constexpr std::size_t kMostBytes = 16 << 20;

struct Input {
  std::string bytes;
  std::string problem;  // why it was not read, "" when it was
};

Input readBounded(std::istream& in) {
  Input input{std::string(kMostBytes + 1, '\0'), ""};
  in.read(input.bytes.data(), static_cast<std::streamsize>(input.bytes.size()));
  const auto got = static_cast<std::size_t>(in.gcount());
  if (in.bad()) return {"", "cannot be read"};
  if (got > kMostBytes) return {"", "is larger than 16 MB, far more than a trace holds"};
  input.bytes.resize(got);
  return input;
}

// Only a regular file is read (a named pipe or a device could block the
// program or never end), or standard input for "-".
Input readInput(const std::string& name) {
  if (name == "-") return readBounded(std::cin);
  OpenedFile file = openDataFile(name);
  if (file.stream) return readBounded(*file.stream);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(name, error);
  if (std::filesystem::is_directory(status)) return {"", "cannot be read: it is a folder, not a file"};
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    return {"", "cannot be read: it is not a regular file (a named pipe or a device is not read)"};
  return {"", "cannot be read"};
}

int judge(const std::string& name) {
  const std::string shown = name == "-" ? "standard input" : name;
  const Input input = readInput(name);
  if (!input.problem.empty()) return fail(shown + ": " + input.problem, 1);
  const grading::TraceRead read = grading::readTrace(input.bytes);
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
