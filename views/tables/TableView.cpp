#include "views/tables/TableView.h"

#include <wx/dcclient.h>
#include <wx/dcscreen.h>

#include <algorithm>
#include <cmath>

#include "document/QziDocIMFC.h"
#include "document/QziDocIStd.h"
#include "document/ShellServices.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/ResourceIds.h"
#include "views/tables/TablePrint.h"

namespace PardeloStravon {

using Platform::DrawSurface;
using Platform::MM_LOMETRIC;

TableWindow::TableWindow(wxWindow* parent, TableView* view)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE),
      view_(view) {
  SetBackgroundColour(*wxWHITE);
  SetScrollRate(10, 10);
  Bind(wxEVT_PAINT, &TableWindow::OnPaint, this);
  Bind(wxEVT_DESTROY, &TableWindow::OnDestroy, this);
}

void TableWindow::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  // A paint may come before the view's initial update (the first view of a
  // document exists while its file is read) or after the view went.
  if (!view_) return;
  DoPrepareDC(dc);
  view_->Paint(dc, GetUpdateRegion());
}

void TableWindow::OnDestroy(wxWindowDestroyEvent& event) {
  if (event.GetEventObject() == this && view_) {
    TableView* view = view_;
    view_ = nullptr;
    view->WindowDestroyed();
  }
  event.Skip();
}

TableView::TableView() {
  Target().OnCommand(Platform::ID_FILE_PRINT, [this] { Print(true); });
  Target().OnCommand(Platform::ID_FILE_PRINT_DIRECT, [this] { Print(false); });
  Target().OnCommand(Platform::ID_FILE_PRINT_PREVIEW, [this] { Preview(); });
}

TableView::~TableView() {
  if (TableWindow* w = window_.get()) w->Detach();
}

wxWindow* TableView::CreateViewWindow(ChildFrm& frame) {
  auto* window = new TableWindow(&frame, this);
  window_ = window;
  SetContentExtent(1000, 1000);
  return window;
}

double TableView::WindowScale() {
  // Asked once: every invalidation converts with it.
  static const double scale = [] {
    const int ppi = wxScreenDC().GetPPI().GetHeight();
    return (ppi > 0 ? ppi : 96) / 254.0;
  }();
  return scale;
}

wxRect TableView::LogicalToClient(int left, int top, int right, int bottom) const {
  TableWindow* w = window_.get();
  if (!w) return wxRect();
  // As the paints' surface maps MM_LOMETRIC (y up) at the window's scroll
  // position. Worked out here: a context made on the window for it would
  // have the toolkit paint what is pending at every invalidation.
  wxPoint scroll;
  w->CalcUnscrolledPosition(0, 0, &scroll.x, &scroll.y);
  const double s = WindowScale();
  const double x1 = left * s - scroll.x, x2 = right * s - scroll.x;
  const double y1 = -top * s - scroll.y, y2 = -bottom * s - scroll.y;
  const int l = static_cast<int>(std::floor(std::min(x1, x2))), t = static_cast<int>(std::floor(std::min(y1, y2)));
  const int r = static_cast<int>(std::ceil(std::max(x1, x2))), b = static_cast<int>(std::ceil(std::max(y1, y2)));
  wxRect rect(l, t, r - l, b - t);
  // Anti-aliased text may reach the next pixel.
  rect.Inflate(1);
  return rect;
}

std::pair<int, int> TableView::RowsTouched(const wxRegion& update, int lineStep) const {
  const wxRect box = update.GetBox();
  TableWindow* w = window_.get();
  if (lineStep >= 0 || box.IsEmpty() || !w) return {0, -1};
  const double s = WindowScale();
  int sx = 0, sy = 0;
  w->CalcUnscrolledPosition(box.GetLeft(), box.GetTop(), &sx, &sy);
  const double yTop = sy / s;  // units below the origin
  const double yBottom = (sy + box.GetHeight()) / s;
  return {std::max(0, static_cast<int>((yTop - 10) / -lineStep) - 1), static_cast<int>((yBottom + 10) / -lineStep) + 1};
}

void TableView::InvalidateStrip(int left, int top, int right, int bottom) {
  TableWindow* w = window_.get();
  if (!w) return;
  const wxRect r = LogicalToClient(left, top, right, bottom);
  pending_.Union(r);
  w->RefreshRect(r, true);
}

void TableView::InvalidateAll() {
  if (TableWindow* w = window_.get()) w->Refresh(true);
}

void TableView::SetContentExtent(int width, int height) {
  TableWindow* w = window_.get();
  if (!w) return;
  const double s = WindowScale();
  w->SetVirtualSize(static_cast<int>(std::ceil(std::abs(width) * s)), static_cast<int>(std::ceil(std::abs(height) * s)));
}

void TableView::Paint(wxPaintDC& dc, const wxRegion& update) {
  wxRegion outside(update);
  outside.Subtract(pending_);
  const bool rowPaint = !update.IsEmpty() && outside.IsEmpty();
  pending_.Clear();
  // The document's content may go before the windows of its views.
  if (!Ready() || !HasContent()) return;
  DrawSurface surface(dc);
  surface.SetMapMode(MM_LOMETRIC);
  PaintTable(surface, update, rowPaint);
}

void TableView::OnUpdate(wxView*, wxObject*) { InvalidateAll(); }

void TableView::SetStatus(const std::wstring& text) {
  if (ChildFrm* frame = Frame()) frame->SetStatusPanes(text);
}

void TableView::SetCaption(const std::wstring& token) {
  if (ChildFrm* frame = Frame()) frame->SetTitle(DictText(token) + GetDoc(this)->GetTitle().ToStdWstring());
}

void TableView::RefreshMenu() {
  if (ChildFrm* frame = Frame()) frame->RefreshMenu();
}

QziDocIStd& TableView::Std() const { return GetDoc(this)->Std(); }

InstrNet& TableView::Net() const { return Std().NetOpt().Network(); }

QziDocIMFC& TableView::Fonts() const { return *GetDoc(this)->GetF()->GetIMFC(); }

bool TableView::HasContent() const {
  auto* doc = dynamic_cast<QziDoc*>(GetDocument());
  return doc && doc->GetF().get();
}

void TableView::OnInitialUpdate() {
  MakeImpl();
  SetContentExtent(1000, 1000);
  InvalidateAll();
  MeasureOnClient();
}

void TableView::MeasureOnClient() {
  TableWindow* w = window_.get();
  if (!w || !Table()) return;
  wxClientDC dc(w);
  DrawSurface surface(dc);
  Table()->Measure(surface);
}

int TableView::CountPrintPages(wxDC& dc, const Platform::PageGeometry& geometry) {
  if (!Table() || !HasContent()) return 0;
  DrawSurface surface(dc, geometry.ppi);
  TablePrintInfo info;
  info.geometry = geometry;
  return Table()->BeginPrinting(surface, info);
}

void TableView::PrintPage(wxDC& dc, TablePrintInfo& info) {
  if (!Table() || !HasContent()) return;
  DrawSurface surface(dc, info.geometry.ppi);
  Table()->OnPrint(surface, info);
}

void TableView::Print(bool withDialog) {
  if (!Ready()) return;
  TablePrintout printout(DictText(PrintTitleToken()), Window());
  if (!Platform::PrintDocumentPrintout(printout, withDialog, Window())) {
    std::wstring why = Platform::LastPrintError();
    Shell().ShowMessageBox(why.empty() ? L"Printing failed" : why);
  }
}

void TableView::Preview() {
  if (!Ready()) return;
  const wxString title = DictText(PrintTitleToken());
  if (!Platform::PreviewPrintout(std::make_unique<TablePrintout>(title, Window()),
                                 std::make_unique<TablePrintout>(title, Window()), TheMainFrame(), title))
    Shell().ShowMessageBox(L"Print preview failed");
}

}  // namespace PardeloStravon
