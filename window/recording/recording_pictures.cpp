#include "recording_pictures.h"

#include <filesystem>
#include <memory>

#include "data_files/file_paths.h"

namespace sumimai {
namespace {
class RecordedPicture : public PictureData {};
}  // namespace

PictureLoad RecordingPictures::load(const std::string& path) {
  loads.push_back(path);
  if (path.empty()) return {Picture{}, ""};
  std::filesystem::path found = findFile(path);
  std::error_code ec;
  if (failing.count(path) || !std::filesystem::is_regular_file(found, ec) ||
      std::filesystem::file_size(found, ec) == 0) {
    return {Picture{}, "画像を読み込めません。"};
  }
  Picture picture;
  picture.data = std::make_shared<RecordedPicture>();
  picture.source = path;
  return {picture, ""};
}

}  // namespace sumimai
