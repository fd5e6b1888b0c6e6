// Picture files read through Qt's image codecs: JPEG and BMP files, and PNG
// for the programs' built-in pictures (Qt resources, ":/...").
#pragma once

#include "window/picture.h"

namespace sumimai {

class QtPictureFiles : public PictureFiles {
 public:
  // The empty name gives the empty picture. A missing, empty, truncated or
  // undecodable file gives ok = false and a Japanese problem naming it.
  PictureLoad load(const std::string& path) override;
};

}  // namespace sumimai
