#pragma once
// The 2-D axis of a region: the area inside its borders with a background,
// the title (also the top label), the bottom, left and right labels and
// numberings, border lines and limits. Numbers of the bottom can be local
// times: origin + x units, written with a strftime format whose line breaks
// make several lines.
#include <wx/dc.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "views/plot/PlotBasics.h"
#include "views/plot/PlotBrush.h"
#include "views/plot/PlotLine2D.h"
#include "views/plot/PlotText.h"

namespace PardeloStravon {

// Pixels per side of a region, between its edge and the axis area.
struct PlotBorders {
  int left = 0, right = 0, bottom = 0, top = 0;
};
// Which sides are fitted to their texts at layout instead of fixed.
struct PlotAutoBorders {
  bool left = true, right = true, bottom = true, top = true;
};
struct PlotBorderLines {
  bool left = true, right = true, bottom = true, top = true;
};

// A text as last drawn: its box in the context's logical units.
struct PlotDrawnText {
  wxRect box;
  std::wstring text;
};

class PlotAxis2D {
 public:
  PlotAxis2D();

  PlotText& GetTitle() { return title_; }
  PlotText& GetTopLabel() { return title_; }
  PlotText& GetBottomLabel() { return bottomLabel_; }
  PlotText& GetLeftLabel() { return leftLabel_; }
  PlotText& GetRightLabel() { return rightLabel_; }
  // The looks of every number of a side; the pixel size is that of the
  // widest and tallest number after UpdateLabels.
  PlotText& GetBottomNumber() { return bottomNumber_; }
  PlotText& GetLeftNumber() { return leftNumber_; }
  PlotText& GetRightNumber() { return rightNumber_; }
  void SetTitle(const std::wstring& s) { title_.SetString(s); }

  // The bottom numbers as local times of origin + x × unit seconds.
  void SetTimeLabel(bool on) { timeLabel_ = on; }
  bool IsTimeLabel() const { return timeLabel_; }
  void SetTimeLabelFormat(std::time_t origin, long unitSeconds, const std::wstring& format);
  std::time_t GetTimeOrigin() const { return timeOrigin_; }
  const std::wstring& GetTimeFormat() const { return timeFormat_; }
  // Numbering 1 is the left one, 2 the right one. The format is checked.
  void SetNumberFormat(int index, const std::wstring& format);
  const std::wstring& GetNumberFormat(int index) const;

  void SetBorderLineVisibility(const PlotBorderLines& v) { borderLines_ = v; }
  const PlotBorderLines& GetBorderLineVisibility() const { return borderLines_; }
  PlotBorders GetBorders() const { return borders_; }
  void SetBorders(const PlotBorders& b) { borders_ = b; }
  PlotAutoBorders GetAutoBorders() const { return autoBorders_; }
  void SetAutoBorders(const PlotAutoBorders& a) { autoBorders_ = a; }

  // Automatic steps choose round steps; a fixed step puts numbers at the
  // lower limit and every step above it.
  void SetAutoSteps(int axis, bool on) { autoSteps_[axis == PlotAxisX ? 0 : 1] = on; }
  bool IsAutoSteps(int axis) const { return autoSteps_[axis == PlotAxisX ? 0 : 1]; }
  void SetGridStep(int axis, double step) { step_[axis == PlotAxisX ? 0 : 1] = step; }
  double GetGridStep(int axis) const { return step_[axis == PlotAxisX ? 0 : 1]; }

  PlotRect GetLimits() const { return limits_; }
  void SetLimits(const PlotRect& r) { limits_ = r; }

  void SetBrush(std::shared_ptr<PlotBrush> b) { brush_ = std::move(b); }
  const std::shared_ptr<PlotBrush>& GetBrush() const { return brush_; }

  // Measures every text and number with dc and fits the automatic borders.
  void UpdateLabels(wxDC& dc);

  // The numbers' positions (data units) and texts.
  std::vector<double> Ticks(int axis) const;
  std::wstring NumberText(int axis, double v) const;

  // The axis area of a region's rectangle: inside the borders.
  wxRect AxisArea(const wxRect& region) const;
  // Draws everything but the region's own background, as last laid out by
  // UpdateLabels. Every text stays inside the region and clear of the
  // others: labels too long are cut with an ellipsis, and a numbering too
  // dense for its side shows every second, third ... number instead.
  void Draw(wxDC& dc, const wxRect& region, const std::vector<std::shared_ptr<PlotObject>>& objects);
  // The texts of the last Draw.
  const std::vector<PlotDrawnText>& DrawnTexts() const { return drawn_; }
  // Automatic left and right borders at least this wide, so that rows of
  // one column share their axis area's edges.
  void WidenAutoBorders(int left, int right);

 private:
  PlotText title_, bottomLabel_, leftLabel_, rightLabel_;
  PlotText bottomNumber_, leftNumber_, rightNumber_;
  bool timeLabel_ = false;
  std::time_t timeOrigin_ = 0;
  long timeUnit_ = 1;
  std::wstring timeFormat_ = L"%Y-%m-%d %H:%M:%S";
  std::wstring numberFormat_[2];
  PlotBorderLines borderLines_;
  PlotBorders borders_;
  PlotAutoBorders autoBorders_;
  bool autoSteps_[2] = {true, true};
  double step_[2] = {0, 0};
  PlotRect limits_;
  std::shared_ptr<PlotBrush> brush_;
  int pad_ = 3;
  std::vector<PlotDrawnText> drawn_;

  // Draws a label whose reading length is at most length, cut to fit.
  void DrawLabel(wxDC& dc, const PlotText& label, wxPoint anchor, PlotTextFoot foot, int length,
                 const wxRect& region);
  struct Candidate {
    std::wstring text;
    wxPoint anchor;
  };
  // Draws the numbers that fit: inside the region, clear of the texts drawn
  // so far, and as dense as they can stand without touching each other.
  void DrawNumbers(wxDC& dc, const PlotText& looks, const std::vector<Candidate>& numbers, PlotTextFoot foot,
                   const wxRect& region);
};

}  // namespace PardeloStravon
