#pragma once
// The pixels a solid pen covers stroking one straight piece between two
// pixel points on a screen's bitmap, as its graphics context smooths them.
// A piece covers the same pixels wherever it lies, moved by whole pixels,
// so a decimated line's thousands of short pieces are laid as marks found
// once instead of stroked one by one.
#include <vector>

#include "platform/gui/BitmapPixels.h"

namespace PardeloStravon {

// A pixel of a mark, from the piece's start.
using Platform::MarkPixel;

// The mark of a piece from (0, 0) to (dx, dy) with a pen of the width, kept
// for the program's run; marks used at once are best found together first.
const std::vector<MarkPixel>& SegmentMark(int width, int dx, int dy);

// Finds the marks of these pieces ({dx, dy} pairs) not found yet, in one
// drawing.
struct MarkPiece {
  int dx, dy;
};
void FindSegmentMarks(int width, const std::vector<MarkPiece>& pieces);

}  // namespace PardeloStravon
