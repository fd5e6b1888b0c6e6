// A writing saved as an animation or a still: every frame composed from the
// playback at its time, cell by cell as the window composes it (learning
// aids, ground and all), and handed to the exporter's writer of the file's
// kind, the file written under a temporary name and renamed into place when
// complete. A transparent ground stays transparent in the kinds of file
// that hold transparency; the others are written over white.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cell_composer.h"
#include "export/rgb_image.h"

namespace sumimai {

struct PlaybackExport {
  std::filesystem::path output;  // its extension names the kind
  RgbImage ground;               // the picture's ground, the composition's size (may be transparent)
  LearningAids aids;
  Rgb groundColour{255, 255, 255};
  int fps = 30;
  DrawingClock::Duration hold = std::chrono::milliseconds(1500);  // the finished writing stays this long
  bool loop = true;
  // After each frame handed over, with the number of frames; may throw to
  // stop (then no file is left, an older one stays).
  std::function<void(std::int64_t frame, std::int64_t frames)> progress;
};

// Writes the whole writing of the session (timed through first) from its
// start. Throws ExportError naming the problem. The session's position is
// left where it was.
std::int64_t exportPlayback(WritingSession& session, const PlaybackExport& request);

// What the user should know of the way the request is written, in the
// user's language: a transparent ground that the file cannot hold.
std::vector<std::string> exportNotes(const PlaybackExport& request);

// The finished writing as a picture.
RgbImage finishedPicture(WritingSession& session, const RgbImage& ground, LearningAids aids, Rgb groundColour);

}  // namespace sumimai
