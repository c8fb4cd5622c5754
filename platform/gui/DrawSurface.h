#pragma once
// A device context as the system's drawing code sees it: text measured in
// logical units, a selected font and text colour, and the framework's
// mapping modes (logical units of pixels, tenths of millimetres, ...).
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

class DrawSurface {
 public:
  // The surface starts in MM_TEXT; it takes over the context's user scale
  // and axis orientation, which the mapping modes set.
  explicit DrawSurface(wxDC& dc);
  DrawSurface(const DrawSurface&) = delete;
  DrawSurface& operator=(const DrawSurface&) = delete;

  wxDC& Dc() { return dc_; }
  bool IsOk() const { return dc_.IsOk(); }

  // Width and height of the text with the selected font, in logical units;
  // (0, 0) when the context cannot measure.
  wxSize TextExtent(const std::wstring& text) const;

  // Each returns what was selected before; a context that cannot draw
  // keeps nothing.
  wxFont SelectFont(const wxFont& font);
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;

  // Modes other than MM_TEXT count y upward, as the framework does. An
  // unknown mode changes nothing and returns 0.
  int SetMapMode(int mode);
  int GetMapMode() const { return mode_; }

  // Logical to device units, as magnitudes.
  wxSize LogicalToDevice(const wxSize& size) const;

 private:
  wxDC& dc_;
  int mode_ = MM_TEXT;
};

}  // namespace Platform
