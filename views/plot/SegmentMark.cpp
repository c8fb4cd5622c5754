#include "views/plot/SegmentMark.h"

#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

namespace PardeloStravon {

namespace {

using Key = std::tuple<int, int, int>;

std::map<Key, std::vector<MarkPixel>>& Marks() {
  static std::map<Key, std::vector<MarkPixel>> marks;
  return marks;
}

}  // namespace

void FindSegmentMarks(int width, const std::vector<MarkPiece>& pieces) {
  auto& marks = Marks();
  std::vector<MarkPiece> missing;
  for (const MarkPiece& p : pieces)
    if (!marks.count(Key{width, p.dx, p.dy}) &&
        std::none_of(missing.begin(), missing.end(), [&](const MarkPiece& m) { return m.dx == p.dx && m.dy == p.dy; }))
      missing.push_back(p);
  if (missing.empty()) return;
  // Side by side on one white bitmap, each in a cell with room for the
  // pen's reach and the smoothing around it, stroked black.
  const int margin = width + 3;
  std::vector<wxRect> cells;
  int across = 0, height = 1;
  for (const MarkPiece& p : missing) {
    const wxRect cell(across, 0, std::abs(p.dx) + 2 * margin + 1, std::abs(p.dy) + 2 * margin + 1);
    cells.push_back(cell);
    across += cell.width;
    height = std::max(height, cell.height);
  }
  wxImage white(across, height);
  white.SetRGB(wxRect(0, 0, across, height), 255, 255, 255);
  wxBitmap bitmap(white, 24);
  std::vector<wxPoint> starts;
  for (std::size_t k = 0; k < missing.size(); ++k)
    starts.emplace_back(cells[k].x + margin + std::max(0, -missing[k].dx), margin + std::max(0, -missing[k].dy));
  {
    wxMemoryDC dc(bitmap);
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (!gc) return;
    gc->SetPen(wxPen(*wxBLACK, width, wxPENSTYLE_SOLID));
    // Each piece its own stroke: pieces stroked together would merge where
    // their smoothing meets.
    for (std::size_t k = 0; k < missing.size(); ++k) {
      wxGraphicsPath piece = gc->CreatePath();
      piece.MoveToPoint(starts[k].x, starts[k].y);
      piece.AddLineToPoint(starts[k].x + missing[k].dx, starts[k].y + missing[k].dy);
      gc->StrokePath(piece);
    }
  }
  const wxImage drawn = bitmap.ConvertToImage();
  for (std::size_t k = 0; k < missing.size(); ++k) {
    std::vector<MarkPixel>& mark = marks[Key{width, missing[k].dx, missing[k].dy}];
    const wxRect& cell = cells[k];
    for (int y = cell.y; y < cell.GetBottom() + 1; ++y)
      for (int x = cell.x; x < cell.GetRight() + 1; ++x)
        if (const unsigned coverage = 255u - drawn.GetRed(x, y))
          mark.push_back(MarkPixel{x - starts[k].x, y - starts[k].y, coverage});
  }
}

const std::vector<MarkPixel>& SegmentMark(int width, int dx, int dy) {
  auto& marks = Marks();
  auto found = marks.find(Key{width, dx, dy});
  if (found == marks.end()) {
    FindSegmentMarks(width, {MarkPiece{dx, dy}});
    found = marks.find(Key{width, dx, dy});
  }
  static const std::vector<MarkPixel> none;
  return found == marks.end() ? none : found->second;
}

}  // namespace PardeloStravon
