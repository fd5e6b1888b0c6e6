#include "output_file.h"

#include <cstring>
#include <string>

#include "export_error.h"

namespace sumimai {

OutputFile::OutputFile(const std::filesystem::path& target) : file_(target) {
  if (file_.error() == 0) return;
  if (file_.error() == EISDIR) throw cannotWrite(target, std::strerror(EISDIR));
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  throw exportError("cannot write into the folder %1: %2", {folder.string(), std::strerror(file_.error())});
}

void OutputFile::write(const std::string& bytes) {
  if (!file_.write(bytes)) throw cannotWrite(target(), std::strerror(file_.error()));
}

std::string OutputFile::namingTarget(std::string message) const {
  const std::string hidden = temporary().string();
  const std::string shown = target().string();
  if (hidden.empty()) return message;
  for (std::size_t at = message.find(hidden); at != std::string::npos; at = message.find(hidden, at + shown.size()))
    message.replace(at, hidden.size(), shown);
  return message;
}

void OutputFile::commit() {
  if (!file_.commit()) throw cannotWrite(target(), std::strerror(file_.error()));
}

}  // namespace sumimai
