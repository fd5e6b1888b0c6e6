// Pictures: loaded from JPEG or BMP files, shown stretched by picture
// controls, held by the canvas.
#pragma once

#include <memory>
#include <string>

namespace sumimai {

// Pixels as the window system holds them; each implementation derives its own.
class PictureData {
 public:
  virtual ~PictureData() = default;
};

// A picture value; the empty picture has no data.
struct Picture {
  std::shared_ptr<const PictureData> data;
  std::string source;  // the file it came from, "" for the empty picture or a capture
  int pixelWidth = 0;
  int pixelHeight = 0;

  bool empty() const { return !data; }
};

struct [[nodiscard]] PictureLoad {
  Picture picture;
  std::string problem;  // why the file could not be loaded, in Japanese
  bool ok() const { return problem.empty(); }
};

class PictureFiles {
 public:
  virtual ~PictureFiles() = default;
  // Loads a BMP or JPEG file; the empty name gives the empty picture.
  virtual PictureLoad load(const std::string& path) = 0;
};

}  // namespace sumimai
