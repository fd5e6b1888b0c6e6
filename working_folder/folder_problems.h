// File system errors as the user is told of them, in Japanese.
#pragma once

#include <string>
#include <system_error>

namespace sumimai {

// Why an operation on a file or folder failed, as one sentence; the
// system's own wording for errors without a Japanese one.
std::string describeFolderError(const std::error_code& error);

}  // namespace sumimai
