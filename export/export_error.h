// What goes wrong while exporting: a message that names the file or the
// value at fault and what is wrong with it.
#pragma once

#include <stdexcept>
#include <string>

namespace sumimai {

class ExportError : public std::runtime_error {
 public:
  explicit ExportError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sumimai
