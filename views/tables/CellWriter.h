#pragma once
// Draws the cells of a table: each text cut where its column ends, so it
// never runs into the next one, and on a printed band only the part of the
// table the band holds.
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gui/DrawSurface.h"
#include "views/tables/TableGeometry.h"

namespace PardeloStravon {

// Widths of texts already measured in one font on one kind of surface; a
// table that draws every row on each paint asks for the same texts again.
class TextWidthCache {
 public:
  int Width(Platform::DrawSurface& dc, const std::wstring& text);
  void Clear() { widths_.clear(); }

 private:
  std::unordered_map<std::wstring, int> widths_;
};

// The text of a cell that fits width units, ending in an ellipsis when cut;
// empty when not even the ellipsis fits. fullWidth is the text's own width.
std::wstring FitText(Platform::DrawSurface& dc, const std::wstring& text, int fullWidth, int width);

class CellWriter {
 public:
  static constexpr int NoLimit = INT_MAX;

  // The whole table: only the columns cut the texts.
  explicit CellWriter(Platform::DrawSurface& dc, TextWidthCache* cache = nullptr);
  // Band `band` of the table's bands; the surface's origin is the band's
  // left edge. A text that crosses into a band that continues its column
  // goes on there, uncut. widths: those the columns were placed with, so a
  // text that was given room is not cut by the page's rounding.
  CellWriter(Platform::DrawSurface& dc, const std::vector<TableBand>& bands, std::size_t band,
             TextWidthCache* widths = nullptr);

  // Draws the text with its top-left at (x, y), cut before `right` (the
  // next column, less the gap). Returns the text's whole width.
  int Cell(const std::wstring& text, int x, int y, int right = NoLimit);

  Platform::DrawSurface& Dc() { return dc_; }

 private:
  int Width(const std::wstring& text);
  // The longest start of text no wider than width (one character at
  // least), without an ellipsis.
  std::size_t FittingLength(const std::wstring& text, int width);
  // The piece of a text that goes on in the next band: as FittingLength,
  // ending after a blank where one is near.
  std::size_t FlowLength(const std::wstring& text, int width);

  Platform::DrawSurface& dc_;
  TextWidthCache* cache_ = nullptr;
  std::vector<TableBand> bands_{TableBand{}};
  std::size_t band_ = 0;
};

}  // namespace PardeloStravon
