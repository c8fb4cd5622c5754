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

// Whether a piece is short enough, and the pen thin enough, to be marked;
// longer pieces are stroked.
bool Markable(int width, int dx, int dy);

// The mark of a markable piece from (0, 0) to (dx, dy) with a pen of the
// width, kept for the program's run; marks used at once are best found
// together first.
const std::vector<MarkPixel>& SegmentMark(int width, int dx, int dy);

// Finds the marks of these pieces ({dx, dy} pairs) not found yet, a few
// drawings for all.
struct MarkPiece {
  int dx, dy;
};
void FindSegmentMarks(int width, const std::vector<MarkPiece>& pieces);

}  // namespace PardeloStravon
