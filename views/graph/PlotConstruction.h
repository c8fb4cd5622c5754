#pragma once
// Building a graph's plot from an instrument's recording file and styling it
// with the document's graph options, for the screen or the printer. The
// graph view holds the plot; these need only a small host.
#include <wx/dc.h>

#include <ctime>
#include <memory>
#include <string>

#include "document/GraphOptions.h"
#include "platform/ColorRef.h"
#include "views/graph/GphData.h"
#include "views/plot/PlotRegion.h"

namespace PardeloStravon {

class Node;

struct PlotHost {
  Node* node = nullptr;  // the instrument at address
  int address = 0;
  std::wstring folder;  // the document's folder, where its recording file is
  GraphOptions options;
  std::time_t from = 0, to = 0;  // the window
  wxDC* dc = nullptr;           // drawing context of layout and styling
  wxSize ppi;                   // of dc's logical units; dc's own when 0
  bool printing = false;
};

// The plot of the host's window: a root "Pardelo Plot" with one row per
// plotted series. Null (no plot) without series or with fewer than three
// records. The caller destroys its former plot first and installs a new
// event handler with this one.
std::shared_ptr<PlotRegion> BuildPlot(const PlotHost& host);

std::wstring GraphLayoutString(const GphData& data);

void BuildRow(const std::shared_ptr<PlotRegion>& row, const GphData& data, const std::wstring& title,
              std::size_t i);

// Applies the options to every row for host.dc and host.printing; each
// row keeps the samples it shows. Nothing happens without a plot.
void SetFontColorLine(PlotRegion* root, const PlotHost& host);

PlotColor ColorFromRef(COLORREF c);

// The graph font's height styled for the device: ScaleFontHeight's height
// times 0.63 on the screen or 0.29 on paper.
int StyledFontHeight(wxDC& dc, wxSize ppi, const LOGFONTW& lf, bool printing);
// The line width in dc's logical units for a width in millimetres.
double StyledLineWidth(wxDC& dc, wxSize ppi, float millimetres);

}  // namespace PardeloStravon
