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

bool Markable(int width, int dx, int dy) {
  return width >= 1 && width <= 64 && std::abs(dx) <= 512 && std::abs(dy) <= 512;
}

namespace {

// The marks of pieces stroked black on one white sheet, each in its own
// cell with room for the pen's reach and the smoothing around it.
void DrawSheet(int width, const std::vector<MarkPiece>& pieces, const std::vector<wxRect>& cells, wxSize size) {
  const int margin = width + 3;
  wxImage white(size.x, size.y);
  white.SetRGB(wxRect(size), 255, 255, 255);
  wxBitmap bitmap(white, 24);
  std::vector<wxPoint> starts;
  for (std::size_t k = 0; k < pieces.size(); ++k)
    starts.emplace_back(cells[k].x + margin + std::max(0, -pieces[k].dx),
                        cells[k].y + margin + std::max(0, -pieces[k].dy));
  {
    wxMemoryDC dc(bitmap);
    wxGraphicsContext* gc = dc.GetGraphicsContext();
    if (!gc) return;
    gc->SetPen(wxPen(*wxBLACK, width, wxPENSTYLE_SOLID));
    // Each piece its own stroke: pieces stroked together would merge where
    // their smoothing meets.
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      wxGraphicsPath piece = gc->CreatePath();
      piece.MoveToPoint(starts[k].x, starts[k].y);
      piece.AddLineToPoint(starts[k].x + pieces[k].dx, starts[k].y + pieces[k].dy);
      gc->StrokePath(piece);
    }
  }
  const wxImage drawn = bitmap.ConvertToImage();
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    std::vector<MarkPixel>& mark = Marks()[Key{width, pieces[k].dx, pieces[k].dy}];
    const wxRect& cell = cells[k];
    for (int y = cell.y; y < cell.GetBottom() + 1; ++y)
      for (int x = cell.x; x < cell.GetRight() + 1; ++x)
        if (const unsigned coverage = 255u - drawn.GetRed(x, y))
          mark.push_back(MarkPixel{x - starts[k].x, y - starts[k].y, coverage});
  }
}

}  // namespace

void FindSegmentMarks(int width, const std::vector<MarkPiece>& pieces) {
  auto& marks = Marks();
  std::vector<MarkPiece> missing;
  for (const MarkPiece& p : pieces)
    if (Markable(width, p.dx, p.dy) && !marks.count(Key{width, p.dx, p.dy}) &&
        std::none_of(missing.begin(), missing.end(), [&](const MarkPiece& m) { return m.dx == p.dx && m.dy == p.dy; }))
      missing.push_back(p);
  // Cells in rows on sheets of a size every bitmap can have.
  constexpr int Sheet = 2048;
  const int margin = width + 3;
  std::vector<MarkPiece> onSheet;
  std::vector<wxRect> cells;
  int across = 0, rowTop = 0, rowHeight = 0, used = 1;
  auto draw = [&] {
    if (!onSheet.empty()) DrawSheet(width, onSheet, cells, wxSize(Sheet, used));
    onSheet.clear();
    cells.clear();
    across = rowTop = rowHeight = 0;
    used = 1;
  };
  for (const MarkPiece& p : missing) {
    const wxSize cell(std::abs(p.dx) + 2 * margin + 1, std::abs(p.dy) + 2 * margin + 1);
    if (across + cell.x > Sheet) across = 0, rowTop += rowHeight, rowHeight = 0;
    if (rowTop + cell.y > Sheet) draw();
    cells.emplace_back(wxPoint(across, rowTop), cell);
    onSheet.push_back(p);
    across += cell.x;
    rowHeight = std::max(rowHeight, cell.y);
    used = std::max(used, rowTop + rowHeight);
  }
  draw();
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
