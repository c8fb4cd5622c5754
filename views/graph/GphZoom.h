#pragma once
// The graph's zoom and pointer arithmetic over its rows: which samples the
// rows show after a wheel or key step, and what the pointer stands on. The
// event handler and the view feed them; they need no window.
#include <wx/dc.h>

#include <ctime>
#include <string>

#include "views/plot/PlotRegion.h"

namespace PardeloStravon {

// One zoom-out step widens by the fourth root of 2; a zoom-in step is 2.
extern const double GphZoomOut;

// The factor of a wheel turn: 2 towards the user (delta <= 0), else q to the
// whole notches, at most ten.
double WheelZoomFactor(short delta);
// The factor of a key-down (system key codes), 0 for a key that does not
// zoom; '0' answers 0 as well (it resets, see KeyResets).
double KeyZoomFactor(unsigned key, unsigned repeat);
bool KeyResets(unsigned key);

// Zooms every row of row's parent by f around centre (seconds after the
// window's start; used only when zooming in). False when nothing changed:
// no row, no parent, two samples shown and zooming in, all shown and zooming
// out.
bool ZoomRowsAround(wxDC& gfx, PlotRegion* row, double f, long centre);
// Every sample of every row of row's parent; false without a row or parent.
bool ZoomResetRows(wxDC& gfx, PlotRegion* row);

// The X (seconds) under a pixel column of the row's last drawing; 0
// without a row.
long PixelToX(const PlotRegion* row, int pixelX);

// "(x,y)(Ts,nr.i,v)(date,label=v,...)" for the pointer at pixel (x, y) over
// row: the nearest sample's time, index and value, then the pointer's own
// local date-time (from + its X) in dateFormat with line breaks as blanks
// and every row's value of that sample. Empty without a row.
std::wstring PointerInfoText(const PlotRegion* row, int x, int y, std::time_t from,
                             const std::wstring& dateFormat);

}  // namespace PardeloStravon
