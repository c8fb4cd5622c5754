#pragma once
// Printing the tables: a printed page holds the view's title and a rule at
// the top, the table scaled to the printable width, and a rule with the
// page number and count at the bottom right.
#include <functional>
#include <string>
#include <vector>

#include "views/tables/CellWriter.h"
#include "views/tables/TableGeometry.h"
#include "views/tables/TableView.h"

#include "platform/ColorRef.h"
#include "platform/LogFont.h"
#include "platform/gui/DrawSurface.h"
#include "platform/gui/PrintTarget.h"

namespace PardeloStravon {

// The page being printed: the framework's print information as the tables
// use it. rectDraw is in table units (y up), shrunk by header and footer.
struct TablePrintInfo {
  Platform::PageGeometry geometry;
  int curPage = 1;
  int maxPage = 0;
  int left = 0, top = 0, right = 0, bottom = 0;
};

// MM_LOMETRIC on the printer's page; the printable area in logical units
// (pw, ph), ph negative. With setup the table's width cw fills the
// printable width (viewport scaled by pw / cw both ways), info's drawing
// rectangle is (0, 0, cw, ph × cw / pw) and the window origin its top-left;
// without it the previous mapping mode comes back. Returns the page in
// table units (cw, ph × cw / pw).
wxSize PrintPageSize(Platform::DrawSurface& dc, TablePrintInfo* info, int contentWidth, bool setup);
// The title at (0, -10), a rule 120 units down; the drawing rectangle's
// top moves below it. The caller selects font and colour.
void PrintHeader(Platform::DrawSurface& dc, TablePrintInfo& info, const std::wstring& title);
// A rule 110 units above the bottom with the page footer right-aligned
// above it; the drawing rectangle's bottom moves above it.
void PrintFooter(Platform::DrawSurface& dc, TablePrintInfo& info);

// The frame of page info.curPage: the page mapping (PrintPageSize with
// setup), header and footer in the table's font and colour, then the window
// origin at the top of what is left for the rows.
void PrintPageFrame(Platform::DrawSurface& dc, TablePrintInfo& info, int contentWidth, const LOGFONTW& font,
                    COLORREF color, const std::wstring& title);

// The printable area in tenths of a millimetre, both positive.
wxSize PrintableSize(Platform::DrawSurface& dc, const TablePrintInfo& info);

// What a printed page needs to know of a table: its width, where its
// columns start, the height of its text (box of "Xgy"), the pitch its rows
// are counted at and the lines its header takes, all in table units.
struct PrintedTable {
  int width = 0;
  std::vector<int> columns;
  int textHeight = 0;
  int pitch = PrintRowPitch;
  int headerLines = 1;
  // The key column [0, key) that later bands repeat; 0 for none.
  int key = 0;
};

// A page's layout. A table whose text would print smaller than
// MinPrintedTextHeight is cut into bands stacked on the page, each with the
// header and the same rows; the widest band fills the printable width. A
// table that prints legibly keeps one band and the table's own width.
struct PrintPlan {
  std::vector<TableBand> bands;
  int mappedWidth = 0;
  int linesPerBand = 0;
  int rowsPerPage = 0;
};
PrintPlan PlanPrintedPage(Platform::DrawSurface& dc, const TablePrintInfo& info, const PrintedTable& table);
// The page count of rows rows under the plan (0 for none).
int PrintedPageCount(int rows, const PrintPlan& plan);

// Page info.curPage: the frame, then each band with its origin moved so the
// table's header starts at the band's top; drawBand draws the header and
// the page's rows through the band's cell writer (with the widths the
// columns were placed with, if any).
void PrintBandedPage(Platform::DrawSurface& dc, TablePrintInfo& info, const PrintPlan& plan, int pitch,
                     const LOGFONTW& font, COLORREF color, const std::wstring& title,
                     const std::function<void(CellWriter&)>& drawBand, TextWidthCache* widths = nullptr);

// The printout of one table view. The view may go while a preview still
// shows its pages: they are empty then.
class TablePrintout : public Platform::TargetPrintout {
 public:
  TablePrintout(const wxString& title, TableWindow* window);

 protected:
  int PreparePages(wxDC& dc, const Platform::PageGeometry& geometry) override;
  bool PrintPageOn(wxDC& dc, const Platform::PageGeometry& geometry, int page) override;

 private:
  wxWeakRef<TableWindow> window_;
  int count_ = 0;
};

}  // namespace PardeloStravon
