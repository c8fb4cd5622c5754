#pragma once
// A graph row's line: the plot's line, handed to the plotting layer already
// cut down to what its pixel columns show. A year holds half a million
// samples a row while a screen has two thousand columns; the samples that
// decide the picture (each column's first, lowest, highest and last, the
// breaks and the ones just outside the view) are picked once per zoom and
// size, and the line drawn from them is the line drawn from all. On a
// bitmap, the pixels the line covered are kept too: a redraw that changes
// nothing under them copies them back instead of stroking again.
#include <wx/dc.h>
#include <wx/image.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "views/plot/PlotLine2D.h"
#include "views/plot/PlotRegion.h"

namespace PardeloStravon {

// The samples of (x, y) that a decimated drawing through t uses, in order:
// drawing only them gives the same points as drawing all.
std::vector<std::size_t> ShownSamples(const std::vector<long>& x, const std::vector<double>& y,
                                      const PlotTransform& t);

class GphLine : public PlotLine2D {
 public:
  // row: the region the line is the object of, whose backgrounds lie under
  // it (null: no pixels are kept).
  GphLine(const PlotColor& color, const PlotColor& second, const PlotRegion* row);

  // New data forget what was picked and drawn from the old.
  void SetDatas(std::shared_ptr<PlotVector> x, std::shared_ptr<PlotVector> y);

  // From the samples of the last zoom and size when they are the same,
  // else picked afresh; a line without decimation, or with data of other
  // kinds, draws every sample as the plotting layer does.
  void Draw(wxDC& dc, const PlotTransform& t) const override;

 private:
  struct Shown {
    const PlotVector* x = nullptr;
    const PlotVector* y = nullptr;
    std::size_t n = 0;
    PlotRect limits;
    wxRect area;
    std::unique_ptr<PlotLine2D> line;
  };
  // The pixels around the axis area after the last drawing on a bitmap,
  // and what they were drawn from.
  struct Drawn {
    std::shared_ptr<PlotBrush> rowBrush, axisBrush;
    wxRect rect, row, area;
    PlotRect limits;
    const PlotLine2D* line = nullptr;
    PlotColor color;
    double width = 0;
    int depth = 0;
    wxImage beyond;
    // On a bitmap whose pixels are reachable, copied straight; else drawn
    // into a bitmap of their own.
    std::vector<std::uint32_t> kept;
    wxBitmap pixels;
  };
  void Stroke(wxDC& dc, const PlotTransform& t) const;

  const PlotRegion* row_;
  mutable Shown shown_;
  mutable Drawn drawn_;
};

}  // namespace PardeloStravon
