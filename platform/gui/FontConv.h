#pragma once
// Font records (the document's LOGFONTW) to and from toolkit fonts. Heights
// are pixels of the screen: negative is the character (em) height, positive
// the cell height (character height plus internal leading), 0 the
// toolkit's default size.
#include <wx/font.h>

#include "platform/LogFont.h"

namespace Platform {

wxFont ToWxFont(const LOGFONTW& lf);
// Height as a negative character height; fields the toolkit does not know
// (escapement, precisions, quality) come from the base record.
LOGFONTW ToLogFont(const wxFont& font, const LOGFONTW& base = LOGFONTW{});

}  // namespace Platform
