#include "platform/gui/FontConv.h"

#include <wx/dcscreen.h>
#include <wx/settings.h>

#include <algorithm>
#include <cmath>

#include "platform/Utf.h"

namespace Platform {
namespace {

// High nibble of lfPitchAndFamily.
constexpr int FF_ROMAN = 0x10;
constexpr int FF_SWISS = 0x20;
constexpr int FF_MODERN = 0x30;
constexpr int FF_SCRIPT = 0x40;
constexpr int FF_DECORATIVE = 0x50;
constexpr int VARIABLE_PITCH = 2;
constexpr int FIXED_PITCH = 1;

wxFontFamily FamilyOf(std::uint8_t pitchAndFamily) {
  switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN: return wxFONTFAMILY_ROMAN;
    case FF_SWISS: return wxFONTFAMILY_SWISS;
    case FF_MODERN: return wxFONTFAMILY_MODERN;
    case FF_SCRIPT: return wxFONTFAMILY_SCRIPT;
    case FF_DECORATIVE: return wxFONTFAMILY_DECORATIVE;
    default: return wxFONTFAMILY_DEFAULT;
  }
}

std::uint8_t PitchAndFamilyOf(const wxFont& font) {
  int family = 0;
  switch (font.GetFamily()) {
    case wxFONTFAMILY_ROMAN: family = FF_ROMAN; break;
    case wxFONTFAMILY_SWISS: family = FF_SWISS; break;
    case wxFONTFAMILY_MODERN:
    case wxFONTFAMILY_TELETYPE: family = FF_MODERN; break;
    case wxFONTFAMILY_SCRIPT: family = FF_SCRIPT; break;
    case wxFONTFAMILY_DECORATIVE: family = FF_DECORATIVE; break;
    default: break;
  }
  return static_cast<std::uint8_t>(family | (font.IsFixedWidth() ? FIXED_PITCH : VARIABLE_PITCH));
}

std::wstring FaceOf(const LOGFONTW& lf) {
  std::u16string units;
  for (int i = 0; i < 32 && lf.lfFaceName[i]; ++i) units += lf.lfFaceName[i];
  return Utf16ToWide(units);
}

// A record's heights are pixels of the screen; the toolkit sizes fonts in
// points.
constexpr double PointsPerInch = 72;

// Asked once: fonts are converted at every drawing of a text.
double ScreenPixelsPerInch() {
  static const double ppi = [] {
    const int y = wxScreenDC().GetPPI().GetHeight();
    return y > 0 ? y : 96.0;
  }();
  return ppi;
}

// The character (em) height in pixels as points.
double PointsOfCharacterHeight(int pixels) { return pixels * PointsPerInch / ScreenPixelsPerInch(); }

int CellHeight(wxDC& dc, const wxFont& font) {
  dc.SetFont(font);
  const wxFontMetrics m = dc.GetFontMetrics();
  return m.height;
}

// The largest size whose cell (character height plus internal leading)
// fits the given height. The toolkit's own pixel size steps in whole points,
// which misses the height by up to a pixel and a half.
void FitCellHeight(wxFont& font, int cell) {
  wxScreenDC dc;
  // The ratio of cell to character height is a property of the face.
  constexpr double Reference = 100;
  font.SetFractionalPointSize(PointsOfCharacterHeight(static_cast<int>(Reference)));
  const int referenceCell = CellHeight(dc, font);
  if (referenceCell <= 0) return;
  double pixels = cell * Reference / referenceCell;
  // Rounding of the ascent and the descent may add a pixel: step down
  // until the cell fits, in quarters of a pixel.
  for (int i = 0; i < 16; ++i) {
    font.SetFractionalPointSize(pixels * PointsPerInch / ScreenPixelsPerInch());
    if (CellHeight(dc, font) <= cell || pixels <= 1) break;
    pixels -= 0.25;
  }
}

}  // namespace

wxFont ToWxFont(const LOGFONTW& lf) {
  // A damaged record may hold any height; none draws beyond this.
  constexpr std::int32_t Largest = 2000;
  const std::int32_t height = std::clamp(lf.lfHeight, -Largest, Largest);
  wxFontInfo info = height < 0   ? wxFontInfo(PointsOfCharacterHeight(-height))
                    : height > 0 ? wxFontInfo(1.0)
                                      : wxFontInfo(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT)
                                                       .GetFractionalPointSize());
  info.Family(FamilyOf(lf.lfPitchAndFamily))
      .Weight(lf.lfWeight <= 0 ? wxFONTWEIGHT_NORMAL : std::clamp<int>(lf.lfWeight, 1, 1000))
      .Italic(lf.lfItalic != 0)
      .Underlined(lf.lfUnderline != 0)
      .Strikethrough(lf.lfStrikeOut != 0);
  const std::wstring face = FaceOf(lf);
  if (!face.empty()) info.FaceName(face);
  wxFont font(info);
  if (height > 0) FitCellHeight(font, height);
  return font;
}

LOGFONTW ToLogFont(const wxFont& font, const LOGFONTW& base) {
  LOGFONTW lf = base;
  lf.lfHeight = -static_cast<std::int32_t>(
      std::lround(font.GetFractionalPointSize() * ScreenPixelsPerInch() / PointsPerInch));
  lf.lfWidth = 0;
  lf.lfWeight = font.GetNumericWeight();
  lf.lfItalic = font.GetStyle() != wxFONTSTYLE_NORMAL ? 1 : 0;
  lf.lfUnderline = font.GetUnderlined() ? 1 : 0;
  lf.lfStrikeOut = font.GetStrikethrough() ? 1 : 0;
  lf.lfPitchAndFamily = PitchAndFamilyOf(font);
  std::u16string units = WideToUtf16(font.GetFaceName().ToStdWstring());
  // Room for the terminating zero.
  if (units.size() > 31) units.resize(31);
  std::fill(std::begin(lf.lfFaceName), std::end(lf.lfFaceName), u'\0');
  std::copy(units.begin(), units.end(), lf.lfFaceName);
  return lf;
}

}  // namespace Platform
