// From sumimai-export's options to an export: the writing loaded, the
// working folder's settings and background picture as defaults, the
// layout. Loading checks everything before a file is written.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "export/animation_export.h"
#include "export_options.h"

namespace sumimai {

struct PreparedExport {
  ExportRequest request;
  std::vector<std::string> notes;  // defaults changed, for the user
};

// Throws ExportError naming what is missing or wrong. `executable` locates
// the shipped data.
PreparedExport prepareExport(const ExportOptions& options, const std::filesystem::path& executable);

}  // namespace sumimai
