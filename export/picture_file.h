// Reading a picture file (JPEG, PNG, BMP and whatever else FFmpeg decodes).
#pragma once

#include <filesystem>

#include "rgb_image.h"

namespace sumimai {

// The first picture of the file, scaled smoothly to width x height. Throws
// ExportError naming the file when it is missing or not a picture.
RgbImage readPicture(const std::filesystem::path& path, int width, int height);

}  // namespace sumimai
