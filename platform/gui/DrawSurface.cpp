#include "platform/gui/DrawSurface.h"

#include <cstdlib>

namespace Platform {
namespace {

// Logical units per inch of the fixed modes.
double UnitsPerInch(int mode) {
  switch (mode) {
    case MM_LOMETRIC: return 254.0;
    case MM_HIMETRIC: return 2540.0;
    case MM_LOENGLISH: return 100.0;
    case MM_HIENGLISH: return 1000.0;
    case MM_TWIPS: return 1440.0;
    default: return 0.0;
  }
}

}  // namespace

DrawSurface::DrawSurface(wxDC& dc) : dc_(dc) {
  if (dc_.IsOk()) {
    dc_.SetUserScale(1.0, 1.0);
    dc_.SetAxisOrientation(true, false);
  }
}

wxSize DrawSurface::TextExtent(const std::wstring& text) const {
  if (!dc_.IsOk()) return wxSize(0, 0);
  wxCoord w = 0, h = 0;
  dc_.GetTextExtent(text, &w, &h);
  return wxSize(w, h);
}

wxFont DrawSurface::SelectFont(const wxFont& font) {
  wxFont previous = dc_.GetFont();
  if (dc_.IsOk()) dc_.SetFont(font);
  return previous;
}

COLORREF DrawSurface::SetTextColor(COLORREF color) {
  const COLORREF previous = GetTextColor();
  if (dc_.IsOk()) dc_.SetTextForeground(wxColour(GetRValue(color), GetGValue(color), GetBValue(color)));
  return previous;
}

COLORREF DrawSurface::GetTextColor() const {
  const wxColour c = dc_.IsOk() ? dc_.GetTextForeground() : wxColour();
  return c.IsOk() ? RGB(c.Red(), c.Green(), c.Blue()) : RGB(0, 0, 0);
}

int DrawSurface::SetMapMode(int mode) {
  if (mode != MM_TEXT && UnitsPerInch(mode) == 0.0) return 0;
  const int previous = mode_;
  mode_ = mode;
  if (!dc_.IsOk()) return previous;
  if (mode == MM_TEXT) {
    dc_.SetUserScale(1.0, 1.0);
    dc_.SetAxisOrientation(true, false);
  } else {
    const wxSize ppi = dc_.GetPPI();
    dc_.SetUserScale(ppi.GetWidth() / UnitsPerInch(mode), ppi.GetHeight() / UnitsPerInch(mode));
    dc_.SetAxisOrientation(true, true);
  }
  return previous;
}

wxSize DrawSurface::LogicalToDevice(const wxSize& size) const {
  if (!dc_.IsOk()) return wxSize(0, 0);
  return wxSize(std::abs(dc_.LogicalToDeviceXRel(size.GetWidth())),
                std::abs(dc_.LogicalToDeviceYRel(size.GetHeight())));
}

}  // namespace Platform
