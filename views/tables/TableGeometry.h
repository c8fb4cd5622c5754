#pragma once
// The geometry the three text tables share, in tenths of a millimetre with
// y growing upward: rows go down from the header's top at -10.
#include <string>

namespace PardeloStravon {

// Truncates toward zero; a value that does not fit an int throws
// boost::numeric::bad_numeric_cast.
int TruncToInt(double value);

// The line step for a text "Xgy" h units high: negative, about 1.1 h + 1.
int LineStep(int textHeight);
// Where the column at nominal position n starts, for an "X" cx units wide.
int XPosOf(int n, int charWidth);

// Units a printed page spends on the title (120 below the top), the footer
// (110 above the bottom) and the header's offset.
constexpr int PrintTitleBand = 120;
constexpr int PrintFooterBand = 110;
constexpr int PrintRowPitch = 110;

// Rows that fit a printed page H units high at the given pitch.
int RowsPerPrintedPage(int pageHeight, int pitch);
// The pitch the status and serial tables count printed rows at: 110 units,
// or the font's line step where that is taller, so no row lands on the
// footer.
int PrintedRowPitch(int lineStep);
// 1 when not even one row fits, else whole pages for all rows (0 for none).
int PrintPageCount(int rows, int rowsPerPage);
// CTW_Page, " ", the page, " / ", the count.
std::wstring PageFooterText(int page, int count);

}  // namespace PardeloStravon
