#include "platform/gui/DrawSurface.h"

#include <wx/pen.h>

#include <algorithm>
#include <cmath>
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

wxSize UsablePpi(const wxSize& ppi) {
  // A context that cannot say (a memory context without a bitmap) counts as
  // the common screen.
  return wxSize(ppi.GetWidth() > 0 ? ppi.GetWidth() : 96, ppi.GetHeight() > 0 ? ppi.GetHeight() : 96);
}

}  // namespace

DrawSurface::DrawSurface(wxDC& dc) : DrawSurface(dc, dc.IsOk() ? dc.GetPPI() : wxSize()) {}

DrawSurface::DrawSurface(wxDC& dc, const wxSize& ppi) : dc_(dc), ppi_(UsablePpi(ppi)) {
  if (!dc_.IsOk()) return;
  dc_.GetUserScale(&oldScaleX_, &oldScaleY_);
  baseX_ = oldScaleX_ > 0 ? oldScaleX_ : 1.0;
  baseY_ = oldScaleY_ > 0 ? oldScaleY_ : 1.0;
  Apply();
}

DrawSurface::~DrawSurface() {
  if (!dc_.IsOk()) return;
  dc_.SetUserScale(oldScaleX_, oldScaleY_);
}

void DrawSurface::Apply() {
  if (!dc_.IsOk()) return;
  dc_.SetUserScale(baseX_ * scaleX_, baseY_ * scaleY_);
}

wxPoint DrawSurface::ToDc(int x, int y) const {
  return wxPoint(x - windowOrg_.x, yUp_ ? windowOrg_.y - y : y - windowOrg_.y);
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
  const bool scalable = mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC;
  if (mode != MM_TEXT && !scalable && UnitsPerInch(mode) == 0.0) return 0;
  const int previous = mode_;
  mode_ = mode;
  if (mode == MM_TEXT) {
    scaleX_ = scaleY_ = 1.0;
    yUp_ = false;
  } else if (!scalable) {
    scaleX_ = ppi_.GetWidth() / UnitsPerInch(mode);
    scaleY_ = ppi_.GetHeight() / UnitsPerInch(mode);
    yUp_ = true;
  }
  Apply();
  return previous;
}

bool DrawSurface::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
  if (mode_ != MM_ISOTROPIC && mode_ != MM_ANISOTROPIC) return false;
  if (xDenom == 0 || yDenom == 0 || xNum == 0 || yNum == 0) return false;
  scaleX_ *= static_cast<double>(xNum) / xDenom;
  scaleY_ *= static_cast<double>(yNum) / yDenom;
  // A negative factor turns an axis over, as on the framework's viewport.
  if (scaleY_ < 0) {
    scaleY_ = -scaleY_;
    yUp_ = !yUp_;
  }
  scaleX_ = std::abs(scaleX_);
  if (mode_ == MM_ISOTROPIC) scaleX_ = scaleY_ = std::min(scaleX_, scaleY_);
  Apply();
  return true;
}

void DrawSurface::SetWindowOrg(int x, int y) {
  windowOrg_ = wxPoint(x, y);
  Apply();
}

wxSize DrawSurface::LogicalToDevice(const wxSize& size) const {
  if (!dc_.IsOk()) return wxSize(0, 0);
  return wxSize(static_cast<int>(std::lround(std::abs(size.GetWidth() * scaleX_))),
                static_cast<int>(std::lround(std::abs(size.GetHeight() * scaleY_))));
}

wxSize DrawSurface::DeviceToLogical(const wxSize& size) const {
  if (!dc_.IsOk()) return wxSize(0, 0);
  return wxSize(static_cast<int>(std::lround(std::abs(size.GetWidth() / scaleX_))),
                static_cast<int>(std::lround(std::abs(size.GetHeight() / scaleY_))));
}

wxRect DrawSurface::LogicalToDeviceRect(const wxPoint& a, const wxPoint& b, const wxPoint& scrollPos) const {
  const double sy = yUp_ ? -scaleY_ : scaleY_;
  const double x1 = (a.x - windowOrg_.x) * scaleX_ - scrollPos.x;
  const double x2 = (b.x - windowOrg_.x) * scaleX_ - scrollPos.x;
  const double y1 = (a.y - windowOrg_.y) * sy - scrollPos.y;
  const double y2 = (b.y - windowOrg_.y) * sy - scrollPos.y;
  const int left = static_cast<int>(std::floor(std::min(x1, x2)));
  const int top = static_cast<int>(std::floor(std::min(y1, y2)));
  const int right = static_cast<int>(std::ceil(std::max(x1, x2)));
  const int bottom = static_cast<int>(std::ceil(std::max(y1, y2)));
  return wxRect(left, top, right - left, bottom - top);
}

void DrawSurface::DrawText(const std::wstring& text, int x, int y, TextAlign align) {
  if (!dc_.IsOk()) return;
  if (align == TextAlign::TopRight) x -= TextExtent(text).GetWidth();
  dc_.DrawText(text, ToDc(x, y));
}

void DrawSurface::DrawLine(int x1, int y1, int x2, int y2) {
  if (!dc_.IsOk()) return;
  const wxPen old = dc_.GetPen();
  wxPen pen = old.IsOk() ? old : *wxBLACK_PEN;
  // One pixel of the context, or a logical unit where that is wider.
  const double perPixel = 1.0 / std::max(1e-9, std::min(baseX_ * scaleX_, baseY_ * scaleY_));
  pen.SetWidth(std::max(pen.GetWidth(), static_cast<int>(std::ceil(perPixel))));
  dc_.SetPen(pen);
  dc_.DrawLine(ToDc(x1, y1), ToDc(x2, y2));
  dc_.SetPen(old);
}

}  // namespace Platform
