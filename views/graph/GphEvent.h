#pragma once
// The event handler of every graph plot: the pointer's information in the
// frame's first status pane, and zoom of all rows together in time by the
// wheel and the keys plus, minus and '0'. The zoom never moves the graph's
// window; it chooses the samples the rows show.
#include <string>

#include "views/plot/PlotView.h"

namespace PardeloStravon {

class GphView;

class GphEvent : public PlotEvent {
 public:
  // Marks the view busy (b) or free again; true when it already was busy,
  // so the handler must stop. Without a plot nothing is marked.
  bool Guard(bool b);

  void OnMouseMove(unsigned flags, wxPoint p) override;
  bool OnMouseWheel(unsigned flags, short delta, wxPoint p) override;
  // Key codes as the system numbers them; GTK reports no repeat count, so
  // each auto-repeated key-down counts 1.
  void OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;

  // The graph the handler serves, or null.
  GphView* View() const;
};

// Zooms the rows of the handler's graph by f: in (f > 1) around the last
// left click, otherwise around the middle of the shown range.
void ZoomRows(GphEvent& event, double f);
// Every sample again.
void ZoomReset(GphEvent& event);
long PixelToX(const GphEvent& event, int pixelX);
std::wstring PointerInfoText(const GphEvent& event, int x, int y);

}  // namespace PardeloStravon
