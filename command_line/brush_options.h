// --brush round|ink and --seed N, read alike by every tool that draws with
// a choice of brush.
#pragma once

#include "drawing/ink_brush/brush_choice.h"
#include "tool_command_line.h"

namespace sumimai {

// Adds both options to the command line; a value read goes into `to`.
void addBrushOptions(ToolCommandLine& line, BrushChoice& to);

}  // namespace sumimai
