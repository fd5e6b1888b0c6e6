// sumimai-grade [--locale L] TRACE.json: judges a learner's strokes of one
// character (read from the file, or from standard input for "-") against
// the character's stroke data and writes the judgement as JSON to standard
// output. Exit status 0 when judged, 1 for input that cannot be judged, 2
// for a command line that cannot be followed.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "command_line/locale_options.h"
#include "command_line/tool_command_line.h"
#include "common/users_language.h"
#include "core/user_language.h"
#include "data_files/file_paths.h"
#include "grading/grader.h"
#include "grading/model_character.h"
#include "grading/trace_json.h"
#include "working_folder/data_places.h"
#include "writing/character_lookup.h"

namespace {

using namespace sumimai;

constexpr char kProgram[] = "sumimai-grade";
constexpr char kHelp[] = R"(usage: sumimai-grade [--locale L] [--strict-locale] TRACE.json

Judges a learner's strokes of one character against its stroke data and
writes the judgement as JSON to standard output.

  TRACE.json         the trace as JSON, or - for standard input

Options:
  --locale ja|zh-Hans|zh-Hant|ko  the stroke order and shapes that judge
                     the strokes: Japan's (default), mainland China's,
                     Taiwan's or Korea's; a character its library lacks is
                     judged by the next (zh-Hant: zh-Hans, ja; ko: zh-Hant,
                     zh-Hans, ja; ja and zh-Hans: the other), with a note
  --strict-locale    refuse those characters instead
  --help             this text
  --version          the program's name and version

Exit status: 0 when judged, 1 for input that cannot be judged, 2 for a
mistake in the command line.
)";

int fail(const std::string& message, int status) {
  std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
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
  if (in.bad()) return {"", userText(kProgram, "cannot be read")};
  if (got > kMostBytes) return {"", userText(kProgram, "is larger than 16 MB, far more than a trace holds")};
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
  if (std::filesystem::is_directory(status)) return {"", userText(kProgram, "cannot be read: it is a folder, not a file")};
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    return {"", userText(kProgram, "cannot be read: it is not a regular file (a named pipe or a device is not read)")};
  return {"", userText(kProgram, "cannot be read")};
}

int judge(const std::string& name, LookupChoice locale) {
  const std::string shown = name == "-" ? userText(kProgram, "standard input") : name;
  const Input input = readInput(name);
  if (!input.problem.empty()) return fail(shown + ": " + input.problem, 1);
  const grading::TraceRead read = grading::readTrace(input.bytes);
  if (!read.ok()) return fail(shown + ": " + read.problem, 1);
  const CharacterLookup lookup = standardLookup(programDataPlaces(), locale);
  const grading::ModelFound found = grading::findModel(lookup, read.trace.character);
  if (!found.ok()) return fail(shown + ": " + found.problem, 1);
  for (const std::string& note : found.notes) fail(filledIn(userText(kProgram, "note: %1"), {note}), 0);
  const grading::Grading grading = grading::grade(found.model, read.trace.strokes);
  std::cout << grading::judgementJson(read.trace.character, grading) << '\n' << std::flush;
  return std::cout ? 0 : fail(userText(kProgram, "cannot write the judgement"), 1);
}

}  // namespace

int main(int argc, char** argv) {
  sumimai::speakUsersLanguage();
  LookupChoice locale;
  std::vector<std::string> traces;
  ToolCommandLine line(kProgram, kHelp);
  addLocaleOptions(line, locale);
  line.positionals(traces);
  const CommandLineRead read = line.read({argv + 1, argv + argc});
  if (const std::optional<int> status = line.finish(read)) return *status;
  if (traces.size() != 1) return line.mistake(userText(kProgram, "give one TRACE file, or - for standard input"));
  return judge(traces.front(), locale);
}
