// A file written under a temporary name in the folder of its final place,
// renamed onto that place only once it is complete: an export that fails
// leaves no file behind, and an older file of the same name stays whole
// until the new one replaces it.
#pragma once

#include <filesystem>
#include <string>

namespace sumimai {

class OutputFile {
 public:
  // Creates the empty temporary file. Throws ExportError naming the folder
  // when it cannot be written into.
  explicit OutputFile(std::filesystem::path target);
  // Removes the temporary file unless it was committed.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  const std::filesystem::path& target() const { return target_; }
  const std::filesystem::path& temporary() const { return temporary_; }

  // A message about the temporary file as the user is to read it: the
  // temporary's name (which the user never sees) replaced by the target's.
  std::string namingTarget(std::string message) const;

  // Flushes the temporary file to disk and renames it onto the target.
  // Throws ExportError naming the target.
  void commit();

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  bool committed_ = false;
};

// The temporary file being written now ("" when none), for a signal handler
// that removes it before the program ends.
const char* temporaryFileBeingWritten();

}  // namespace sumimai
