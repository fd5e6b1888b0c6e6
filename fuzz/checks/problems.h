// What an invariant check found: one line per broken invariant, empty when the
// run held every invariant.
#pragma once

#include <string>
#include <vector>

namespace sumimai::fuzz {

using Problems = std::vector<std::string>;

// Records what unless ok holds. what is a literal, so a passing check costs
// no string work.
inline void expect(Problems& problems, bool ok, const char* what) {
  if (!ok) problems.emplace_back(what);
}

// Prefixes every problem found since `from` with where it was found.
inline void placeSince(Problems& problems, std::size_t from, const std::string& where) {
  for (std::size_t i = from; i < problems.size(); ++i) problems[i] = where + ": " + problems[i];
}

}  // namespace sumimai::fuzz
