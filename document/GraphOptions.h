#pragma once
// The plot options of a document: the graph's font and colour, line width,
// date labels and number format. Each field keeps its own wrapper type: the
// document file gives every C++ type its own attributes.
#include <string>

#include "foundation/core/Defaults.h"
#include "foundation/core/NoInit.h"
#include "platform/CString.h"
#include "platform/LogFont.h"

namespace PardeloStravon {

struct GraphOptions {
  NoInitS<LOGFONTW, LGF_graph> gLF_;              // font of the graph's texts
  NoInit<unsigned long, 0> gRGB_;                 // colour chosen with that font
  NoInitS<float, CCPGL_line_width> gphLTh_;       // line width, millimetres
  NoInitS<float, CCPGL_time_angle> gphDAg_;       // angle of the date labels
  NoInitS<bool, CCPGL_date_right_align> gphDRA_;  // date labels right-aligned
  NoInitS<bool, CCPGL_regular_spacing> gphRSp_;   // regular spacing of the numbering
  // Set only in a graph view's own working copy while it prints.
  NoInit<bool, 0> gphIsP_;
  NoInitS<CString, CCS_DATE_FORMAT> dteFmt_;     // format of the date labels
  NoInitS<std::wstring, CCPGLGphNrFmt> gphNFm_;  // format of the value labels
};

}  // namespace PardeloStravon
