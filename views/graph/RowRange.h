#pragma once
// A graph row's samples: the accessors of its line and the choice of the
// samples a row shows, which styling and zoom share.
#include <wx/dc.h>

#include <memory>

#include "views/plot/PlotRegion.h"

namespace PardeloStravon {

// Each answers 0 when the row is missing, has no objects or its first
// object is not a line.
unsigned RowPointCount(const PlotRegion* row);
// X of sample min(i, count - 1), as a whole number.
long RowXAt(const PlotRegion* row, unsigned i);
double RowYAt(const PlotRegion* row, unsigned i);
// The sample nearest to x; ties go to the later sample.
int NearestIndex(const PlotRegion* row, long x);

// Shows samples lo to hi of the region's line (one more when they are the
// same), its Y range that of those samples, with grid steps of a fifth of
// each range (at least 1 s and 0.1); a region without a line shows all.
void SetIndexRange(wxDC& gfx, PlotRegion* region, int lo, int hi, bool recurse);

}  // namespace PardeloStravon
