#pragma once
// Text measurement and font and colour scopes on a drawing surface.
#include <wx/gdicmn.h>

#include <string>

#include "platform/ColorRef.h"
#include "platform/LogFont.h"
#include "platform/gui/DrawSurface.h"

namespace PardeloStravon {

using Platform::DrawSurface;

// Logical units with the selected font; (0, 0) when the surface cannot measure.
wxSize TextExtent(DrawSurface& dc, const std::wstring& text);

// While it lives, the font made from the record is selected and the text has
// the given colour; both are restored afterwards.
class FontSelector {
 public:
  FontSelector(DrawSurface& dc, const LOGFONTW& lf, COLORREF color);
  ~FontSelector();
  FontSelector(const FontSelector&) = delete;
  FontSelector& operator=(const FontSelector&) = delete;

 private:
  DrawSurface& dc_;
  wxFont oldFont_;
  COLORREF oldColor_;
};

class TextColorSelector {
 public:
  TextColorSelector(DrawSurface& dc, COLORREF color);
  ~TextColorSelector();
  TextColorSelector(const TextColorSelector&) = delete;
  TextColorSelector& operator=(const TextColorSelector&) = delete;

 private:
  DrawSurface& dc_;
  COLORREF oldColor_;
};

// The font height that gives a sample text, in mapping mode b, the device
// width the given font gives it in mode a. When the sample has no width in
// mode b the font's own height is returned. The mapping mode is restored.
int ScaleFontHeight(DrawSurface& dc, LOGFONTW lf, int a, int b);

}  // namespace PardeloStravon
