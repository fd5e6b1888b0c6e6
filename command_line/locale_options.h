// --locale ja|zh-Hans|zh-Hant|ko and --strict-locale, read alike by every
// tool that looks characters up.
#pragma once

#include "tool_command_line.h"
#include "writing/character_lookup.h"

namespace sumimai {

// Adds both options to the command line; what is read goes into `to`.
void addLocaleOptions(ToolCommandLine& line, LookupChoice& to);

}  // namespace sumimai
