// From sumimai-export's options to an export: the writing loaded, the
// working folder's settings and background picture as defaults, the
// layout. Loading checks everything before a file is written.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "export/animation_export.h"
#include "command_line/export_options.h"
#include "working_folder/data_places.h"

namespace sumimai {

struct PreparedExport {
  ExportRequest request;
  std::vector<std::string> notes;  // defaults changed, for the user
};

// Throws ExportError naming what is missing or wrong. The places give the
// working folder and the shipped data (programDataPlaces()).
PreparedExport prepareExport(const ExportOptions& options, const DataPlaces& places);

}  // namespace sumimai
