#pragma once
// Objects of a region: lines of (X, Y) data drawn inside the axis area.
#include <wx/dc.h>

#include <memory>

#include "views/plot/PlotBasics.h"
#include "views/plot/PlotData.h"

namespace PardeloStravon {

// Data to pixels inside an axis area.
struct PlotTransform {
  PlotRect limits;
  wxRect area;
  double PixelX(double x) const;
  double PixelY(double y) const;
  double DataX(double px) const;
};

class PlotObject {
 public:
  virtual ~PlotObject() = default;
  virtual PlotRect GetExtent() const = 0;
  virtual void Draw(wxDC& dc, const PlotTransform& t) const = 0;
};

class PlotLine2D : public PlotObject {
 public:
  // The line's two colours: the one it is drawn in and a second kept for
  // markers, which this layer does not draw.
  PlotLine2D(const PlotColor& color, const PlotColor& second);

  // X and Y of equal length, X not decreasing. The extent becomes the data's.
  void SetDatas(std::shared_ptr<PlotVector> x, std::shared_ptr<PlotVector> y);
  const PlotVector* GetX() const { return x_.get(); }
  const PlotVector* GetY() const { return y_.get(); }
  std::size_t GetNPoints() const;
  double GetXi(std::size_t i) const { return x_->at(i); }
  double GetYi(std::size_t i) const { return y_->at(i); }

  // Device units.
  void SetLineWidth(double width) { width_ = width; }
  double GetLineWidth() const { return width_; }
  void SetColor(const PlotColor& c) { color_ = c; }
  const PlotColor& GetColor() const { return color_; }

  PlotRect GetExtent() const override { return extent_; }
  void SetExtent(const PlotRect& r) { extent_ = r; }

  // A line of many points is drawn as the first, lowest, highest and last
  // point of each pixel column; off, every segment is drawn.
  void SetDecimation(bool on) { decimate_ = on; }
  bool GetDecimation() const { return decimate_; }

  void Draw(wxDC& dc, const PlotTransform& t) const override;

 private:
  std::shared_ptr<PlotVector> x_, y_;
  PlotColor color_, second_;
  double width_ = 1;
  PlotRect extent_;
  bool decimate_ = true;
};

}  // namespace PardeloStravon
