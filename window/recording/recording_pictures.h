// Picture files for tests: a load succeeds when the file exists and is not
// empty; nothing is decoded. Every load is recorded.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "window/picture.h"

namespace sumimai {

class RecordingPictures : public PictureFiles {
 public:
  PictureLoad load(const std::string& path) override;

  std::vector<std::string> loads;  // every path asked for, in order
  std::set<std::string> failing;   // paths that fail even when they exist
};

}  // namespace sumimai
