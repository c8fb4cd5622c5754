#pragma once
// One text of an axis: string, alignment, angle, font record, colour and
// visibility; its pixel size is known after the axis measured it.
#include <wx/dc.h>

#include <string>

#include "platform/LogFont.h"
#include "views/plot/PlotBasics.h"

namespace PardeloStravon {

// How a text stands across its reading direction at its anchor.
enum class PlotTextFoot { Top, Middle, Bottom };

class PlotText {
 public:
  PlotText();

  void SetString(const std::wstring& s) { string_ = s; }
  const std::wstring& GetString() const { return string_; }
  // PlotAlignEnd puts the text's end at its anchor, PlotAlignCentre centres
  // it; any other code puts its start there.
  void SetAlign(int code) { align_ = code; }
  int GetAlign() const { return align_; }
  // Degrees, counter-clockwise.
  void SetAngle(double degrees) { angle_ = degrees; }
  double GetAngle() const { return angle_; }
  LOGFONTW& GetFont() { return font_; }
  const LOGFONTW& GetFont() const { return font_; }
  void SetLOGFONT(const LOGFONTW& lf) { font_ = lf; }
  void SetColor(const PlotColor& c) { color_ = c; }
  const PlotColor& GetColor() const { return color_; }
  void Hide(bool hide = true) { visible_ = !hide; }
  void Show() { visible_ = true; }
  bool IsVisible() const { return visible_; }

  // Size of the turned text's bounding box, from the last Measure.
  int GetPixelWidth() const { return pixelWidth_; }
  int GetPixelHeight() const { return pixelHeight_; }
  // Line breaks make several lines.
  void Measure(wxDC& dc);
  // For texts that stand for a set of strings (numberings).
  void SetPixelSize(wxSize s) {
    pixelWidth_ = s.x;
    pixelHeight_ = s.y;
  }
  // Draws the string, or another (a number) with this text's looks.
  void Draw(wxDC& dc, wxPoint anchor, PlotTextFoot foot) const;
  void DrawString(wxDC& dc, const std::wstring& s, wxPoint anchor, PlotTextFoot foot) const;
  // The bounding box of another string with this text's looks.
  wxSize MeasureString(wxDC& dc, const std::wstring& s) const;
  // Where that box lies around the anchor (the anchor at (0, 0)).
  wxRect BoxAround(wxDC& dc, const std::wstring& s, PlotTextFoot foot) const;

 private:
  std::wstring string_;
  int align_ = PlotAlignCentre;
  double angle_ = 0;
  LOGFONTW font_;
  PlotColor color_;
  bool visible_ = true;
  int pixelWidth_ = 0;
  int pixelHeight_ = 0;
};

// Selects the layer's font of a record on dc: its character height is the
// record's height times the layer's font unit in dc's logical units,
// whatever the device (screen, bitmap, printer, PDF), so that one styling
// rule serves them all. The unit is PlotFontScale on a screen and
// PlotPaperFontScale while a PlotPaperScope lives.
void SelectPlotFont(wxDC& dc, const LOGFONTW& lf);
extern const double PlotFontScale;
extern const double PlotPaperFontScale;

// While it lives, this thread lays out and draws plots for paper.
class PlotPaperScope {
 public:
  PlotPaperScope();
  ~PlotPaperScope();
  PlotPaperScope(const PlotPaperScope&) = delete;
  PlotPaperScope& operator=(const PlotPaperScope&) = delete;

 private:
  bool was_;
};
bool PlotOnPaper();

// The longest start of s, ended by an ellipsis when cut, whose reading
// length with the text's looks is at most length; empty when not even the
// ellipsis fits.
std::wstring FitPlotString(wxDC& dc, const PlotText& looks, const std::wstring& s, int length);

}  // namespace PardeloStravon
