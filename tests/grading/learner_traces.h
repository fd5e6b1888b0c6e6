// Learner's strokes made from a model character's own centre lines, as a
// careful learner would write them (a smooth wobble across the line, an
// uneven speed, start and end a little before or past the model's), and
// the mistakes made on purpose. Seeded: the same seed gives the same
// strokes on every machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grading/model_character.h"

namespace sumimai::testing {

using grading::ModelCharacter;
using grading::Path;
using grading::Point;

// The character from the shipped data (its stroke files and library), as
// stored and as the judge's model.
CharacterStrokes shippedStrokes(const std::string& character);
ModelCharacter shippedModel(const std::string& character);

struct Care {
  double wobble = 0.03;    // largest sideways wobble, share of the 1024 box
  double endPass = 0.015;  // start and end moved along the line by up to this share of the box
  double spacing = 6;      // mean distance between points, source units
  bool unevenSpeed = true; // points closer where the pointer is slow
};

class TraceMaker {
 public:
  explicit TraceMaker(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  // One stroke as a careful learner writes it.
  Path careful(const Path& model, const Care& care = {});
  // Every stroke of the character so.
  std::vector<Path> careful(const ModelCharacter& model, const Care& care = {});
  // A number in [low, high).
  double uniform(double low, double high);

 private:
  std::uint32_t state_;
};

Path reversed(Path path);
Path moved(Path path, Point by);

}  // namespace sumimai::testing
