#include "views/tables/TablePrint.h"

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
