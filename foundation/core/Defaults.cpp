#include "foundation/core/Defaults.h"

namespace PardeloStravon {
namespace {

// Arial, regular weight, variable pitch, Swiss family.
LOGFONTW FontA(std::int32_t height) {
  LOGFONTW lf;
  lf.lfHeight = height;
  lf.lfWeight = 400;
  lf.lfCharSet = 0;
  lf.lfOutPrecision = 3;
  lf.lfClipPrecision = 2;
  lf.lfQuality = 1;
  lf.lfPitchAndFamily = 34;
  const char16_t face[] = u"Arial";
  for (std::size_t i = 0; face[i]; ++i) lf.lfFaceName[i] = face[i];
  return lf;
}

}  // namespace

const std::wstring CTW_CTW_New_instrument = L"New instrument";

const bool CB_act = true;
const long CL_lld = 3600;
const bool CB_ola = true;
const bool CB_xr = true;
const long CL_xs = 30;
const bool CB_xt = true;
const bool CB_yr = true;
const long CL_ys = 3600;
const bool CB_yt = true;
const bool CB_gr = true;
const long CL_gs = 300;
const bool CB_gt = true;
const bool CB_hr = true;
const long CL_hs = 3600;
const bool CB_ht = true;
const bool CB_pr = false;
const long CL_ps = 604800;
const bool CB_vr = false;
const long CL_vs = 300;

const int CI_Prg_Rows = 44;
const bool CB_Time_As_ddhhmmss = true;

const LOGFONTW LGF_options = FontA(-27);
const LOGFONTW LGF_status = FontA(-27);
const LOGFONTW LGF_program = FontA(-20);
const LOGFONTW LGF_graph = FontA(-27);

const float CCPGL_line_width = 0.5f;
const float CCPGL_time_angle = 10.0f;
const bool CCPGL_date_right_align = true;
const bool CCPGL_regular_spacing = false;
const CString CCS_DATE_FORMAT = L"%Y-%m-%d %H:%M:%S";
const std::wstring CCPGLGphNrFmt = L"%5.1f";

}  // namespace PardeloStravon
