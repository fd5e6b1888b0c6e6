// Fitting recorded strokes to the canvas: scaling (拡大縮小) to 90% of the
// canvas about the origin, then correction (補正) into place near its centre.
// The routines ending in 2 work on one character's table of 32-bit integers
// (each stored value rounded, halves to even); the others on the page's table
// of real numbers, moving the page grid box with it.
//
// A coordinate or thickness of 0 counts as absent: it is never a minimum and
// never changes. Records of Kind 4 can widen the box to the right and below
// but never lower its minimum.
#pragma once

#include "data_files/stroke_table.h"
#include "grid_box.h"
#include "core/geometry.h"

namespace sumimai {

// How much room a fitted character leaves around its ink: the extent of its
// records, widened by `thicknesses` times the largest thickness, fills
// `share` of the box along the tighter axis.
struct BoxMargin {
  double share = 0.9;
  double thicknesses = 8;
};

// The margin of the program's own fitting of a character (拡大縮小2).
inline constexpr BoxMargin kProgramMargin{0.9, 8};

// Scales the character so that its extent, widened by 8 times the largest
// thickness, fills 90% of the canvas along the tighter axis. Writes the end
// mark into slot 100 first. An axis whose extent is 0 or less gives no
// factor; with no factor from either axis the table stays as it is.
void 拡大縮小2(StrokeTable& table, SizeF canvas);

// The same for the page with a margin of 1 times the largest thickness,
// unrounded; the end mark goes into slot StrokeCount first, and the grid box
// is scaled with the strokes (GridBottom rounded). The factor is at most 1e9,
// so that a page of a tiny extent stays within canvas coordinates.
void 拡大縮小(PageStrokeTable& table, const StrokeCountValue& StrokeCount, GridBox& grid, SizeF canvas);

// The factors 拡大縮小2 and 拡大縮小 scale a table by on this canvas.
double characterScale(StrokeTable table, SizeF canvas);
double pageScale(const PageStrokeTable& table, const StrokeCountValue& StrokeCount, SizeF canvas);

// Moves the character so that its box is centred on the canvas, then 120
// twips left and 225 up; writes the end mark into slot 100 before and into
// slot StrokeCount after.
void 補正2(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF canvas);

// The same for the page, relative to the main window's outer size, and the
// grid box moved with it (GridBottom rounded).
void 補正(PageStrokeTable& table, const StrokeCountValue& StrokeCount, GridBox& grid, SizeF form);

// The one fitting for every drawing that is not the main window's own: the
// character scaled into the box with the margin (as 拡大縮小2 scales, each
// value rounded), then moved so that the box of its records is centred on
// the box (each value rounded again, halves to even; a StartX that would
// land on the end mark's 99999 lands a twip further). The end mark goes
// into slot 100 first and into slot StrokeCount after, as 補正2 leaves it.
void fitIntoBox(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF box,
                BoxMargin margin = kProgramMargin);

// Text set on the character's design box rather than on its ink: the box of
// emBox x emBox table units (from 0, y down) scaled so that its side is
// `share` of the box's smaller side and centred in it, every value rounded
// (halves to even) and the strokes keeping their size and place within the
// design box, so that a small kana stays small and 一 stays thin. The end
// marks go as fitIntoBox leaves them.
void fitEmBox(StrokeTable& table, const StrokeCountValue& StrokeCount, SizeF box, double emBox, double share);

}  // namespace sumimai
