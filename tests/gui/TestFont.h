#pragma once
// A font record of a face every test machine has.
#include "foundation/core/FrameworkAdapters.h"
#include "platform/LogFont.h"

namespace TestSupport {

inline LOGFONTW TestFont(int height, const wchar_t* face = L"DejaVu Sans") {
  LOGFONTW lf;
  lf.lfHeight = height;
  lf.lfWeight = 400;
  PardeloStravon::SetFaceName(lf, face);
  return lf;
}

}  // namespace TestSupport
