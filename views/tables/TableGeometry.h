#pragma once
// The geometry the three text tables share, in tenths of a millimetre with
// y growing upward: rows go down from the header's top at -10.
#include <climits>
#include <string>
#include <vector>

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

// The space kept between a cell's text and the next column: a tenth of the
// nominal positions' "X".
constexpr int ColumnGapPosition = 10;

// The smallest height of printed text, in the same units: a text's box
// (ascent to descent) of 2.8 mm keeps it above 2 mm on every print path,
// the system's print queues measuring fonts a little smaller than our own
// PDF target does.
constexpr int MinPrintedTextHeight = 28;

// A slice [left, right) of a table's width printed as one band of a page.
// A band that starts inside a column carries on that column's text from
// the band before. A band after the first repeats the table's key column
// [0, key) at its left, so its rows can be told apart; the slice follows.
struct TableBand {
  int left = 0;
  int right = INT_MAX;
  bool continues = false;
  int key = 0;
  int Width() const { return right - left + key; }
};

// The table's width [0, width) cut into bands no wider than maxWidth (key
// included), at the column starts where it can; a column wider than that
// is cut inside. One band for a table that fits, and for a maxWidth below
// 1; no key where it would leave a band less than half its width.
std::vector<TableBand> CutIntoBands(const std::vector<int>& columnStarts, int width, int maxWidth, int key = 0);
// The widest band that prints text h units high at least
// MinPrintedTextHeight high when mapped onto the printable width pw.
int LegibleBandWidth(int printableWidth, int textHeight);
// The text height whose line step is the given one (the inverse of
// LineStep, to a unit).
int TextHeightOfLineStep(int lineStep);
// Rows a page of `bands` bands holds: the lines between title and footer at
// the pitch, shared equally among the bands, each spending headerLines on
// its header and, with several, a line between bands. With one band and
// one header line, RowsPerPrintedPage.
int RowsPerBandedPage(int pageHeight, int pitch, int bands, int headerLines);
// Lines each band of such a page takes, header included.
int LinesPerBand(int pageHeight, int pitch, int bands);

}  // namespace PardeloStravon
