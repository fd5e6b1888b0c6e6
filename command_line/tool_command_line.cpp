#include "tool_command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>

#include "core/user_language.h"

namespace sumimai {

namespace {

constexpr char kContext[] = "ToolCommandLine";

// CLI11's sentence for a mistake, in the tools' words and the user's
// language; a mistake of our own readers (a ValidationError) is already so.
std::string mistakeOf(const CLI::ParseError& error) {
  const std::string what = error.what();
  const std::size_t colon = what.find(": ");
  if (dynamic_cast<const CLI::ExtrasError*>(&error) && colon != std::string::npos)
    return filledIn(userText(kContext, "unknown argument %1"), {what.substr(colon + 2)});
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) && colon != std::string::npos)
    return filledIn(userText(kContext, "%1 needs a value"), {what.substr(0, colon)});
  if (what.empty()) return userText(kContext, "a mistake in the command line");
  return what;
}

}  // namespace

ToolCommandLine::ToolCommandLine(std::string program, std::string helpText)
    : program_(std::move(program)), helpText_(std::move(helpText)), app_(program_, program_) {
  app_.set_help_flag();
  app_.allow_extras(false);
  app_.add_flag("-h,--help", help_);
  app_.add_flag("--version", version_);
}

void ToolCommandLine::value(const std::string& name, ValueReader read) {
  app_.add_option_function<std::string>(name, [read = std::move(read)](const std::string& v) {
    if (std::string problem = read(v); !problem.empty()) throw CLI::ValidationError(problem, CLI::ExitCodes::ValidationError);
  })->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void ToolCommandLine::flag(const std::string& name, bool& to) { app_.add_flag(name, to); }

void ToolCommandLine::positionals(std::vector<std::string>& to) { app_.add_option("arguments", to); }

CommandLineRead ToolCommandLine::read(const std::vector<std::string>& arguments) {
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());  // as CLI11 takes them
  CommandLineRead read;
  try {
    app_.parse(reversed);
  } catch (const CLI::ParseError& e) {
    read.problem = mistakeOf(e);
  }
  read.help = help_;
  read.version = version_;
  if (read.help || read.version) read.problem.clear();
  return read;
}

std::optional<int> ToolCommandLine::finish(const CommandLineRead& read) const {
  return finishCommandLine(program_, helpText_, read);
}

int ToolCommandLine::mistake(const std::string& problem) const { return commandLineMistake(program_, problem); }

std::optional<int> finishCommandLine(const std::string& program, const std::string& helpText,
                                     const CommandLineRead& read) {
  if (read.help) {
    std::fputs(userText(program.c_str(), helpText.c_str()).c_str(), stdout);
    return 0;
  }
  if (read.version) {
    std::printf("%s\n", versionLine(program).c_str());
    return 0;
  }
  if (!read.ok()) return commandLineMistake(program, read.problem);
  return std::nullopt;
}

int commandLineMistake(const std::string& program, const std::string& problem) {
  const std::string line = filledIn(userText(kContext, "%1: %2 (see --help)"), {program, problem});
  std::fprintf(stderr, "%s\n", line.c_str());
  return 2;
}

std::string versionLine(const std::string& program) { return program + " " + SUMIMAI_VERSION; }

}  // namespace sumimai
