#pragma once
// A region of the plot tree: a rectangle of its parent given by the
// parent's layout, with a background, an axis and its objects in order (a
// row's line is its first). A region with children draws only them.
#include <wx/dc.h>

#include <memory>
#include <string>
#include <vector>

#include "views/plot/PlotAxis2D.h"
#include "views/plot/PlotBrush.h"
#include "views/plot/PlotLine2D.h"

namespace PardeloStravon {

class PlotRegion {
 public:
  PlotRegion();
  PlotRegion(const PlotRegion&) = delete;
  PlotRegion& operator=(const PlotRegion&) = delete;

  // Replaces the children by the rows of a layout string (PlotLayout.h);
  // a refused string throws PlotLayoutError and changes nothing.
  void Layout(const std::wstring& layout);

  void SetName(const std::wstring& name) { name_ = name; }
  const std::wstring& GetName() const { return name_; }
  std::size_t GetNChildren() const { return children_.size(); }
  // Null beyond the children.
  std::shared_ptr<PlotRegion> GetChild(std::size_t i) const;
  PlotRegion* GetParent() const { return parent_; }
  // This region's share of its parent's height, top to bottom.
  double TopFraction() const { return top_; }
  double BottomFraction() const { return bottom_; }

  PlotAxis2D* GetAxe() { return &axis_; }
  std::vector<std::shared_ptr<PlotObject>>& GetObjectManager() { return objects_; }
  void AddObject(std::shared_ptr<PlotObject> o) { objects_.push_back(std::move(o)); }
  void SetBrush(std::shared_ptr<PlotBrush> b) { brush_ = std::move(b); }
  const std::shared_ptr<PlotBrush>& GetBrush() const { return brush_; }

  // The limits become the union of the objects' extents (0 to 1 without
  // objects); with recurse, the children's too.
  void ZoomAll(wxDC& gfx, bool recurse);
  void ZoomRegion(wxDC& gfx, const PlotRect& r);

  // Unique for the life of the program.
  unsigned long GetID() const { return id_; }

  // Pixel x of the last drawing to data x (the axis' limits).
  double PixelToDataX(int pixelX) const;
  // Rectangles of the last drawing.
  const wxRect& PixelRect() const { return rect_; }
  wxRect AxisArea() const { return axis_.AxisArea(rect_); }

  void Draw(wxDC& dc, const wxRect& rect);
  // Every text of the last drawing, this region's and its children's.
  void CollectDrawnTexts(std::vector<PlotDrawnText>& out) const;
  // The deepest region whose last drawn rectangle holds the point, null
  // when none does.
  std::shared_ptr<PlotRegion> RegionAt(const std::shared_ptr<PlotRegion>& self, wxPoint p) const;

 private:
  // A row whose axis its parent has laid out already.
  void DrawLaidOut(wxDC& dc, const wxRect& rect);

  std::wstring name_;
  std::vector<std::shared_ptr<PlotRegion>> children_;
  PlotRegion* parent_ = nullptr;
  double top_ = 1, bottom_ = 0;
  PlotAxis2D axis_;
  std::vector<std::shared_ptr<PlotObject>> objects_;
  std::shared_ptr<PlotBrush> brush_;
  unsigned long id_;
  wxRect rect_;
};

}  // namespace PardeloStravon
