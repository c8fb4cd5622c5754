#include "views/tables/TablePrint.h"

#include <algorithm>

#include "foundation/gui/TextDrawing.h"
#include "views/tables/TableGeometry.h"
#include "views/tables/TableView.h"

namespace PardeloStravon {

using Platform::DrawSurface;
using Platform::MM_ANISOTROPIC;
using Platform::MM_LOMETRIC;
using Platform::TextAlign;

wxSize PrintPageSize(DrawSurface& dc, TablePrintInfo* info, int contentWidth, bool setup) {
  const int previous = dc.SetMapMode(MM_LOMETRIC);
  const wxSize printable = info ? info->geometry.printable.GetSize() : wxSize(0, 0);
  const wxSize page = dc.DeviceToLogical(printable);
  const int pw = page.GetWidth();
  const int ph = -page.GetHeight();
  const int cw = contentWidth > 0 ? contentWidth : 1;
  const int height = pw > 0 ? TruncToInt(static_cast<double>(ph) * cw / pw) : 0;
  if (setup && info && pw > 0) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.ScaleViewportExt(pw, cw, pw, cw);
    info->left = 0;
    info->top = 0;
    info->right = cw;
    info->bottom = height;
    dc.SetWindowOrg(info->left, -info->top);
  } else {
    dc.SetMapMode(previous);
  }
  return wxSize(cw, height);
}

void PrintHeader(DrawSurface& dc, TablePrintInfo& info, const std::wstring& title) {
  dc.DrawText(title, 0, -10);
  dc.DrawLine(0, -PrintTitleBand, info.right, -PrintTitleBand);
  info.top -= PrintTitleBand;
}

void PrintFooter(DrawSurface& dc, TablePrintInfo& info) {
  const int b = info.bottom;
  dc.DrawLine(0, b + PrintFooterBand, info.right, b + PrintFooterBand);
  dc.DrawText(PageFooterText(info.curPage, info.maxPage), info.right, b + 100, TextAlign::TopRight);
  info.bottom += PrintFooterBand;
}

void PrintPageFrame(DrawSurface& dc, TablePrintInfo& info, int contentWidth, const LOGFONTW& font, COLORREF color,
                    const std::wstring& title) {
  PrintPageSize(dc, &info, contentWidth, true);
  {
    FontSelector selected(dc, font, color);
    PrintHeader(dc, info, title);
    PrintFooter(dc, info);
  }
  dc.SetWindowOrg(info.left, -info.top);
}

wxSize PrintableSize(DrawSurface& dc, const TablePrintInfo& info) {
  const int previous = dc.SetMapMode(MM_LOMETRIC);
  const wxSize page = dc.DeviceToLogical(info.geometry.printable.GetSize());
  dc.SetMapMode(previous);
  return wxSize(std::abs(page.GetWidth()), std::abs(page.GetHeight()));
}

PrintPlan PlanPrintedPage(DrawSurface& dc, const TablePrintInfo& info, const PrintedTable& table) {
  PrintPlan plan;
  const wxSize printable = PrintableSize(dc, info);
  const int width = std::max(table.width, 1);
  plan.bands = CutIntoBands(table.columns, width, LegibleBandWidth(printable.GetWidth(), table.textHeight),
                            table.key);
  plan.mappedWidth = width;
  if (plan.bands.size() > 1) {
    plan.mappedWidth = 1;
    for (const TableBand& band : plan.bands) plan.mappedWidth = std::max(plan.mappedWidth, band.Width());
  }
  const int n = static_cast<int>(plan.bands.size());
  const int pageHeight = printable.GetWidth() > 0
                             ? TruncToInt(static_cast<double>(printable.GetHeight()) * plan.mappedWidth / printable.GetWidth())
                             : 0;
  plan.linesPerBand = LinesPerBand(pageHeight, table.pitch, n);
  plan.rowsPerPage = RowsPerBandedPage(pageHeight, table.pitch, n, table.headerLines);
  return plan;
}

int PrintedPageCount(int rows, const PrintPlan& plan) {
  if (rows <= 0) return 0;
  return PrintPageCount(rows, plan.rowsPerPage);
}

void PrintBandedPage(DrawSurface& dc, TablePrintInfo& info, const PrintPlan& plan, int pitch, const LOGFONTW& font,
                     COLORREF color, const std::wstring& title, const std::function<void(CellWriter&)>& drawBand,
                     TextWidthCache* widths) {
  PrintPageFrame(dc, info, plan.mappedWidth, font, color, title);
  for (std::size_t b = 0; b < plan.bands.size(); ++b) {
    const int shift = static_cast<int>(b) * plan.linesPerBand * pitch;
    dc.SetWindowOrg(info.left, -info.top + shift);
    // A rule parts the bands, amid the line kept free above the header.
    if (b > 0) dc.DrawLine(0, pitch / 2 - 10, info.right, pitch / 2 - 10);
    CellWriter writer(dc, plan.bands, b, widths);
    drawBand(writer);
  }
}

TablePrintout::TablePrintout(const wxString& title, TableWindow* window)
    : Platform::TargetPrintout(title), window_(window) {}

int TablePrintout::PreparePages(wxDC& dc, const Platform::PageGeometry& geometry) {
  TableWindow* window = window_.get();
  TableView* view = window ? window->View() : nullptr;
  count_ = view ? view->CountPrintPages(dc, geometry) : 0;
  return count_;
}

bool TablePrintout::PrintPageOn(wxDC& dc, const Platform::PageGeometry& geometry, int page) {
  TableWindow* window = window_.get();
  TableView* view = window ? window->View() : nullptr;
  if (!view) return true;
  TablePrintInfo info;
  info.geometry = geometry;
  info.curPage = page;
  info.maxPage = count_;
  view->PrintPage(dc, info);
  return true;
}

}  // namespace PardeloStravon
