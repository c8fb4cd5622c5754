#pragma once
// A device context as the system's drawing code sees it: text measured in
// logical units, a selected font and text colour, and the framework's
// mapping modes (logical units of pixels, tenths of millimetres, ...). The
// same surface serves windows, printers, print preview, PDF pages and
// bitmaps: the owner says how many device units make an inch, and the
// mapping modes compose with the scale the context already has (a print
// target sets one so that a logical unit is a printer device unit).
#include <wx/dc.h>

#include <string>

#include "platform/ColorRef.h"

namespace Platform {

// The framework's mapping-mode numbers.
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int MM_HIMETRIC = 3;
constexpr int MM_LOENGLISH = 4;
constexpr int MM_HIENGLISH = 5;
constexpr int MM_TWIPS = 6;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;

// Where a text sits against its point: top-left or top-right corner.
enum class TextAlign { TopLeft, TopRight };

class DrawSurface {
 public:
  // The surface starts in MM_TEXT. The context's user scale at this moment is
  // the base that every mode builds on; ppi counts the device units of that
  // base per inch (dc.GetPPI() unless given). The context's scale is
  // restored when the surface goes.
  //
  // The context itself always counts y downward: the toolkit's own axis
  // flip mirrors text on some contexts (cairo's). Draw through DrawText and
  // DrawLine, or place other drawing with ToDc.
  explicit DrawSurface(wxDC& dc);
  DrawSurface(wxDC& dc, const wxSize& ppi);
  ~DrawSurface();
  DrawSurface(const DrawSurface&) = delete;
  DrawSurface& operator=(const DrawSurface&) = delete;

  wxDC& Dc() { return dc_; }
  bool IsOk() const { return dc_.IsOk(); }
  wxSize Ppi() const { return ppi_; }

  // Width and height of the text with the selected font, in logical units;
  // (0, 0) when the context cannot measure.
  wxSize TextExtent(const std::wstring& text) const;

  // Each returns what was selected before; a context that cannot draw
  // keeps nothing.
  wxFont SelectFont(const wxFont& font);
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;

  // Modes other than MM_TEXT count y upward, as the framework does;
  // MM_ISOTROPIC and MM_ANISOTROPIC keep the scale and axes of the mode
  // before them until ScaleViewportExt changes them. The window origin stays
  // across modes. An unknown mode changes nothing and returns 0.
  int SetMapMode(int mode);
  int GetMapMode() const { return mode_; }

  // Multiplies the viewport's extents (the device side of the scale) by
  // xNum / xDenom and yNum / yDenom; only in MM_ISOTROPIC and
  // MM_ANISOTROPIC, and not with a zero denominator: false otherwise.
  bool ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);

  // The logical point drawn at the device origin.
  void SetWindowOrg(int x, int y);
  wxPoint GetWindowOrg() const { return windowOrg_; }

  // Logical to device units, as magnitudes.
  wxSize LogicalToDevice(const wxSize& size) const;
  // Device to logical units, as magnitudes (HORZRES and VERTRES to the page
  // size of a mode).
  wxSize DeviceToLogical(const wxSize& size) const;
  // A logical rectangle (given by two corners, any order) as the device
  // rectangle of a window scrolled to scrollPos (device units), widened to
  // whole device units so that it covers every pixel drawn inside it.
  wxRect LogicalToDeviceRect(const wxPoint& a, const wxPoint& b, const wxPoint& scrollPos = wxPoint()) const;

  // The text in the selected font and colour, its top at y; align says
  // which of its corners sits at x.
  void DrawText(const std::wstring& text, int x, int y, TextAlign align = TextAlign::TopLeft);
  // A line with the context's pen, at least one device pixel wide, as the
  // framework's default pen.
  void DrawLine(int x1, int y1, int x2, int y2);

  // A logical point in the context's own coordinates (scaled by the
  // context, y downward, no origin).
  wxPoint ToDc(int x, int y) const;

 private:
  void Apply();

  wxDC& dc_;
  wxSize ppi_;
  double baseX_ = 1, baseY_ = 1;
  // Saved at construction, restored at the end.
  double oldScaleX_ = 1, oldScaleY_ = 1;
  int mode_ = MM_TEXT;
  // Logical to base units, as magnitudes.
  double scaleX_ = 1, scaleY_ = 1;
  bool yUp_ = false;
  wxPoint windowOrg_;
};

}  // namespace Platform
