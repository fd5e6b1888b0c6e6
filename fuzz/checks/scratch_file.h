// The loaders read files by path, so a check writes its input to a file of
// its own first.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sumimai::fuzz {

// Writes bytes to the file `name` in a folder that belongs to this process,
// below the system's temporary folder (TMPDIR), and returns its path. The
// folder is made on first use and removed when the process ends normally.
std::filesystem::path writeScratchFile(std::string_view name, std::string_view bytes);

}  // namespace sumimai::fuzz
