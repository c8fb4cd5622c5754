#pragma once
// Named defaults of the settings, by the type of value they hold.
#include <string>

#include "platform/CString.h"
#include "platform/LogFont.h"

namespace PardeloStravon {

extern const std::wstring CTW_CTW_New_instrument;  // "New instrument"

extern const bool CB_act;
extern const long CL_lld;
extern const bool CB_ola;
extern const bool CB_xr;
extern const long CL_xs;
extern const bool CB_xt;
extern const bool CB_yr;
extern const long CL_ys;
extern const bool CB_yt;
extern const bool CB_gr;
extern const long CL_gs;
extern const bool CB_gt;
extern const bool CB_hr;
extern const long CL_hs;
extern const bool CB_ht;
extern const bool CB_pr;
extern const long CL_ps;
extern const bool CB_vr;
extern const long CL_vs;

extern const int CI_Prg_Rows;
extern const bool CB_Time_As_ddhhmmss;

extern const LOGFONTW LGF_options;
extern const LOGFONTW LGF_status;
extern const LOGFONTW LGF_program;
extern const LOGFONTW LGF_graph;

extern const float CCPGL_line_width;
extern const float CCPGL_time_angle;
extern const bool CCPGL_date_right_align;
extern const bool CCPGL_regular_spacing;
extern const CString CCS_DATE_FORMAT;
extern const std::wstring CCPGLGphNrFmt;

}  // namespace PardeloStravon
