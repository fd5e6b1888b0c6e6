// Every fuzz target's invariant check, by target name. The fuzz targets run
// them on generated inputs; the regression tests run them on the seed corpus
// and on the inputs the fuzzers once failed on.
#pragma once

#include <span>
#include <string_view>

#include "problems.h"

namespace sumimai::fuzz {

using Check = Problems (*)(std::string_view bytes);

struct FuzzTarget {
  std::string_view name;  // also the name of its corpus folder
  Check check;
};

std::span<const FuzzTarget> fuzzTargets();

// The check of the target with this name, or nullptr.
Check checkNamed(std::string_view name);

}  // namespace sumimai::fuzz
