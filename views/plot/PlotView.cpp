#include "views/plot/PlotView.h"

#include <wx/dcbuffer.h>

namespace PardeloStravon {

void PlotEvent::OnMouseMove(unsigned, wxPoint) {}
bool PlotEvent::OnMouseWheel(unsigned, short, wxPoint) { return false; }
void PlotEvent::OnKeyDown(unsigned, unsigned, unsigned) {}

PlotView::PlotView(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, id, pos, size, wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS), gfxBitmap_(8, 8, 24) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  gfx_.SelectObject(gfxBitmap_);
  Bind(wxEVT_PAINT, &PlotView::OnPaint, this);
  Bind(wxEVT_SIZE, &PlotView::OnSize, this);
  Bind(wxEVT_MOTION, &PlotView::OnMouse, this);
  Bind(wxEVT_LEFT_DOWN, &PlotView::OnMouse, this);
  Bind(wxEVT_MOUSEWHEEL, &PlotView::OnMouse, this);
  Bind(wxEVT_KEY_DOWN, &PlotView::OnKey, this);
}

PlotView::~PlotView() { gfx_.SelectObject(wxNullBitmap); }

void PlotView::SetRegion(std::shared_ptr<PlotRegion> root) {
  root_ = std::move(root);
  SetDirty();
}

void PlotView::DestroyRegion() {
  root_.reset();
  SetDirty();
}

void PlotView::SetEvent(std::unique_ptr<PlotEvent> handler) {
  event_ = std::move(handler);
  if (event_) event_->view_ = this;
}

void PlotView::ClearEvent() { event_.reset(); }

void PlotView::SetDirty() { Refresh(false); }

void DrawPlotTree(wxDC& dc, PlotRegion* root, const wxRect& rect) {
  dc.SetBrush(*wxWHITE_BRUSH);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.DrawRectangle(rect);
  if (root) root->Draw(dc, rect);
}

void PlotView::DrawPlot(wxDC& dc, const wxRect& rect) {
  DrawPlotTree(dc, root_.get(), rect);
  resizeNeeded_ = false;
}

void PlotView::OnDraw(wxDC& dc) { DrawPlot(dc, wxRect(GetClientSize())); }

void PlotView::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  OnDraw(dc);
}

void PlotView::OnSize(wxSizeEvent& e) {
  resizeNeeded_ = true;
  Refresh(false);
  e.Skip();
}

void PlotView::TrackRow(wxPoint p) {
  if (!event_) return;
  event_->region_ = root_ ? root_->RegionAt(root_, p) : nullptr;
}

void PlotView::OnMouse(wxMouseEvent& e) {
  const wxPoint p = e.GetPosition();
  if (e.LeftDown()) {
    leftLast_ = p;
    SetFocus();
    e.Skip();
    return;
  }
  TrackRow(p);
  if (!event_) return;
  unsigned flags = 0;
  if (e.LeftIsDown()) flags |= 0x0001;
  if (e.RightIsDown()) flags |= 0x0002;
  if (e.ShiftDown()) flags |= 0x0004;
  if (e.ControlDown()) flags |= 0x0008;
  if (e.MiddleIsDown()) flags |= 0x0010;
  if (e.GetEventType() == wxEVT_MOUSEWHEEL)
    event_->OnMouseWheel(flags, static_cast<short>(e.GetWheelRotation()), p);
  else
    event_->OnMouseMove(flags, p);
}

unsigned PlotView::SystemKeyCode(int k) {
  switch (k) {
    case '=':
    case '+':
      return 187;
    case '-':
    case '_':
      return 189;
    case WXK_NUMPAD_ADD:
      return 107;
    case WXK_NUMPAD_SUBTRACT:
      return 109;
    default:
      break;
  }
  if (k >= 'a' && k <= 'z') return static_cast<unsigned>(k - 'a' + 'A');
  return static_cast<unsigned>(k);
}

void PlotView::OnKey(wxKeyEvent& e) { OnKeyDown(SystemKeyCode(e.GetKeyCode()), 1, 0); }

void PlotView::OnKeyDown(unsigned key, unsigned repeat, unsigned flags) {
  if (event_) event_->OnKeyDown(key, repeat, flags);
}

}  // namespace PardeloStravon
