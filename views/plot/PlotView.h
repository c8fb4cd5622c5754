#pragma once
// The window that shows a plot tree, double-buffered, and hands mouse and
// key input to its one event handler. The graph view derives from it.
#include <wx/dcmemory.h>
#include <wx/window.h>

#include <memory>

#include "views/plot/PlotRegion.h"

namespace PardeloStravon {

class PlotView;

// White under the tree, then the tree over the rectangle: what the view
// shows, for any device context (bitmaps, pages).
void DrawPlotTree(wxDC& dc, PlotRegion* root, const wxRect& rect);

// The handler of a view's input. It knows its view and the row under the
// pointer at the last mouse event (none before the first).
class PlotEvent {
 public:
  virtual ~PlotEvent() = default;
  PlotView* GetParent() const { return view_; }
  std::shared_ptr<PlotRegion> GetRegion() const { return region_.lock(); }

  virtual void OnMouseMove(unsigned flags, wxPoint p);
  // True when handled. delta > 0 turns away from the user, 120 a notch.
  virtual bool OnMouseWheel(unsigned flags, short delta, wxPoint p);
  // Keys as the system numbers them: 187 the main keyboard's plus, 189 its
  // minus, digits and letters their upper-case character.
  virtual void OnKeyDown(unsigned key, unsigned repeat, unsigned flags);

 private:
  friend class PlotView;

  PlotView* view_ = nullptr;
  std::weak_ptr<PlotRegion> region_;
};

class PlotView : public wxWindow {
 public:
  PlotView(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
           const wxSize& size = wxDefaultSize);
  ~PlotView() override;

  const std::shared_ptr<PlotRegion>& GetRegion() const { return root_; }
  void SetRegion(std::shared_ptr<PlotRegion> root);
  void DestroyRegion();

  void SetEvent(std::unique_ptr<PlotEvent> handler);
  PlotEvent* GetEvent() const { return event_.get(); }
  void ClearEvent();

  // Redraw at the next paint.
  void SetDirty();
  // Set by a change of size, cleared by the next drawing.
  bool IsResizeNeeded() const { return resizeNeeded_; }
  // A context for layout and zoom, with the screen's fonts.
  wxDC& GetGfxInterface() { return gfx_; }
  // (0, 0) before the first click.
  wxPoint GetLeftLastPos() const { return leftLast_; }

  // Draws the tree over the rectangle and clears the resize flag.
  void DrawPlot(wxDC& dc, const wxRect& rect);

  // A key as the system numbers it (see PlotEvent::OnKeyDown).
  static unsigned SystemKeyCode(int wxKeyCode);

 protected:
  // The paint handler's drawing; the graph view prepares its plot first.
  virtual void OnDraw(wxDC& dc);
  // Fed by every key press.
  virtual void OnKeyDown(unsigned key, unsigned repeat, unsigned flags);

  // Printing hooks of the graph view.
  virtual void OnPreparePrinting() {}
  virtual void OnBeginPrinting() {}
  virtual void OnEndPrinting() {}

 private:
  void OnPaint(wxPaintEvent&);
  void OnSize(wxSizeEvent&);
  void OnMouse(wxMouseEvent&);
  void OnKey(wxKeyEvent&);
  void TrackRow(wxPoint p);

  std::shared_ptr<PlotRegion> root_;
  std::unique_ptr<PlotEvent> event_;
  bool resizeNeeded_ = true;
  wxPoint leftLast_{0, 0};
  wxBitmap gfxBitmap_;
  wxMemoryDC gfx_;
};

}  // namespace PardeloStravon
