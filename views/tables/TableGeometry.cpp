#include "views/tables/TableGeometry.h"

#include <boost/numeric/conversion/cast.hpp>

#include <algorithm>
#include <cstdlib>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"

namespace PardeloStravon {

int TruncToInt(double value) { return boost::numeric_cast<int>(value); }

int LineStep(int textHeight) { return TruncToInt(textHeight / 100.0 * -110.0 - 1.0); }

int XPosOf(int n, int charWidth) { return TruncToInt(n * 0.06 * charWidth); }

int RowsPerPrintedPage(int pageHeight, int pitch) {
  if (pitch <= 0) return 0;
  return (std::abs(pageHeight) - 10 - PrintTitleBand - PrintFooterBand) / pitch - 1;
}

int PrintedRowPitch(int lineStep) {
  const int step = std::abs(lineStep);
  return step > PrintRowPitch ? step : PrintRowPitch;
}

int PrintPageCount(int rows, int rowsPerPage) {
  if (rowsPerPage < 1) return 1;
  return (rows + rowsPerPage - 1) / rowsPerPage;
}

std::vector<TableBand> CutIntoBands(const std::vector<int>& columnStarts, int width, int maxWidth, int key) {
  if (maxWidth < 1 || width <= maxWidth) return {TableBand{0, std::max(width, 0), false, 0}};
  if (key < 0 || 2 * key > maxWidth) key = 0;
  std::vector<TableBand> bands;
  int left = 0;
  bool continues = false;
  while (left < width) {
    const int bandKey = bands.empty() ? 0 : key;
    const int room = maxWidth - bandKey;
    int right = left;
    for (int start : columnStarts)
      if (start > left && start <= left + room && start < width) right = std::max(right, start);
    if (width <= left + room) right = width;
    // A column that no band could hold goes on from here rather than start
    // a band of its own.
    if (right > left && right < width) {
      int end = width;
      for (int start : columnStarts)
        if (start > right) end = std::min(end, start);
      if (end - right > maxWidth - key) right = left;
    }
    // No column starts within reach: the column is cut inside.
    const bool inside = right == left;
    if (inside) right = left + room;
    bands.push_back(TableBand{left, right, continues, bandKey});
    continues = inside;
    left = right;
  }
  return bands;
}

int LegibleBandWidth(int printableWidth, int textHeight) {
  return TruncToInt(static_cast<double>(std::abs(printableWidth)) * std::abs(textHeight) / MinPrintedTextHeight);
}

int TextHeightOfLineStep(int lineStep) { return TruncToInt((std::abs(lineStep) - 1) * 100.0 / 110.0 + 0.5); }

int LinesPerBand(int pageHeight, int pitch, int bands) {
  if (pitch <= 0 || bands < 1) return 0;
  return (std::abs(pageHeight) - 10 - PrintTitleBand - PrintFooterBand) / pitch / bands;
}

int RowsPerBandedPage(int pageHeight, int pitch, int bands, int headerLines) {
  if (pitch <= 0 || bands < 1) return 0;
  // Bands after the first keep a line free above them for the rule.
  return LinesPerBand(pageHeight, pitch, bands) - headerLines - (bands > 1 ? 1 : 0);
}

std::wstring PageFooterText(int page, int count) {
  return DictText(CTW_Page) + L" " + std::to_wstring(page) + L" / " + std::to_wstring(count);
}

}  // namespace PardeloStravon
