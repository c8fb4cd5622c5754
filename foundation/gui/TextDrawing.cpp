#include "foundation/gui/TextDrawing.h"

#include "platform/gui/FontConv.h"

namespace PardeloStravon {
namespace {

const std::wstring ScaleSample = L"Room 001 Room 001 Room 001 Room 001 Room 001 Room 001 ";

// Restores the surface's mapping mode however the scope is left.
class MapModeScope {
 public:
  explicit MapModeScope(DrawSurface& dc) : dc_(dc), old_(dc.GetMapMode()) {}
  ~MapModeScope() { dc_.SetMapMode(old_); }
  MapModeScope(const MapModeScope&) = delete;
  MapModeScope& operator=(const MapModeScope&) = delete;

 private:
  DrawSurface& dc_;
  int old_;
};

long long DeviceWidthOfSample(DrawSurface& dc, const LOGFONTW& lf, int mode) {
  dc.SetMapMode(mode);
  FontSelector font(dc, lf, RGB(0, 0, 0));
  return dc.LogicalToDevice(TextExtent(dc, ScaleSample)).GetWidth();
}

}  // namespace

wxSize TextExtent(DrawSurface& dc, const std::wstring& text) { return dc.TextExtent(text); }

FontSelector::FontSelector(DrawSurface& dc, const LOGFONTW& lf, COLORREF color)
    : dc_(dc), oldFont_(dc.SelectFont(Platform::ToWxFont(lf))), oldColor_(dc.SetTextColor(color)) {}

FontSelector::~FontSelector() {
  dc_.SelectFont(oldFont_);
  dc_.SetTextColor(oldColor_);
}

TextColorSelector::TextColorSelector(DrawSurface& dc, COLORREF color) : dc_(dc), oldColor_(dc.SetTextColor(color)) {}

TextColorSelector::~TextColorSelector() { dc_.SetTextColor(oldColor_); }

int ScaleFontHeight(DrawSurface& dc, LOGFONTW lf, int a, int b) {
  MapModeScope keep(dc);
  const long long wA = DeviceWidthOfSample(dc, lf, a);
  const long long wB = DeviceWidthOfSample(dc, lf, b);
  if (wB == 0) return lf.lfHeight;
  return static_cast<int>(lf.lfHeight * wA / wB);
}

}  // namespace PardeloStravon
