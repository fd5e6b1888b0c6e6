// The file an export writes: a ReplacingFile (data_files/replacing_file.h)
// whose failures are told as ExportErrors. An export that fails leaves no
// file behind, and an older file of the same name stays whole until the new
// one replaces it.
#pragma once

#include <filesystem>
#include <string>

#include "data_files/replacing_file.h"

namespace sumimai {

class OutputFile {
 public:
  // Creates the empty temporary file. Throws ExportError naming the folder
  // when it cannot be written into.
  explicit OutputFile(const std::filesystem::path& target);

  const std::filesystem::path& target() const { return file_.target(); }
  // The file the writers write, by name.
  const std::filesystem::path& temporary() const { return file_.temporary(); }

  // Appends bytes to the temporary file. Throws ExportError naming the target.
  void write(const std::string& bytes);

  // A message about the temporary file as the user is to read it: the
  // temporary's name (which the user never sees) replaced by the target's.
  std::string namingTarget(std::string message) const;

  // Flushes the temporary file to disk and renames it onto the target.
  // Throws ExportError naming the target.
  void commit();

 private:
  ReplacingFile file_;
};

}  // namespace sumimai
