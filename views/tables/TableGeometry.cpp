#include "views/tables/TableGeometry.h"

#include <boost/numeric/conversion/cast.hpp>

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

std::wstring PageFooterText(int page, int count) {
  return DictText(CTW_Page) + L" " + std::to_wstring(page) + L" / " + std::to_wstring(count);
}

}  // namespace PardeloStravon
