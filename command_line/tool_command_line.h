// One command line of a tool, read by CLI11, with the form every tool
// shares: --help prints the tool's own text and --version its name and
// version (both on stdout, exit status 0); a mistake is one line on stderr,
// "sumimai-render: --size needs WIDTHxHEIGHT in pixels, not 'x5' (see
// --help)", with exit status 2.
#pragma once

#include <CLI/App.hpp>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sumimai {

// A value option's reader: "" when it took the value, else what is wrong.
using ValueReader = std::function<std::string(const std::string& value)>;

struct [[nodiscard]] CommandLineRead {
  bool help = false;     // --help was given
  bool version = false;  // --version was given
  std::string problem;   // a mistake, as a sentence
  bool ok() const { return problem.empty(); }
};

class ToolCommandLine {
 public:
  ToolCommandLine(std::string program, std::string helpText);

  void value(const std::string& name, ValueReader read);
  void flag(const std::string& name, bool& to);
  // Every argument that is not an option, in order (also those after "--").
  void positionals(std::vector<std::string>& to);

  // Reads the arguments (without the program's name).
  CommandLineRead read(const std::vector<std::string>& arguments);

  // After a read: prints the help, the version or the mistake and gives the
  // exit status, or nullopt when the tool goes on.
  std::optional<int> finish(const CommandLineRead& read) const;
  // A mistake found after reading (options that exclude each other, ...):
  // printed in the same form; gives 2.
  int mistake(const std::string& problem) const;

  const std::string& program() const { return program_; }

 private:
  std::string program_;
  std::string helpText_;
  CLI::App app_;
  bool help_ = false, version_ = false;
};

// "sumimai-export 1.0.0".
std::string versionLine(const std::string& program);

// What ToolCommandLine::finish does, for a read made elsewhere.
std::optional<int> finishCommandLine(const std::string& program, const std::string& helpText,
                                     const CommandLineRead& read);
// A mistake printed as every tool prints one; gives 2.
int commandLineMistake(const std::string& program, const std::string& problem);

}  // namespace sumimai
