// Paper grounds for the start picture and the background picture, painted
// from a seed: a mottled base colour, fine fibres, a few flecks and a soft
// darkening towards the edges.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>

namespace sumimai::pictures {

struct PaperStyle {
  QColor base;
  double mottle = 0;        // how far the base colour wanders, in colour levels
  double mottleSize = 90;   // size of the mottling, pixels
  QColor fibre;             // colour of the fibres (its alpha is their strength)
  int fibres = 0;
  QColor fleck;             // colour of the flecks (its alpha is their strength)
  int flecks = 0;
  double vignette = 0;      // darkening at the corners, 0..1
  std::uint64_t seed = 1;
};

// Calm cream washi on which black and coloured ink read well.
PaperStyle washiPaper();
// Deep indigo paper with sparse gold flecks, for ink in the colour 160, 140, 50.
PaperStyle indigoPaper();

QImage paperImage(QSize size, const PaperStyle& style);

}  // namespace sumimai::pictures
