#pragma once
// The fonts and text colours of the options view, the status view and the
// program form.
#include <memory>

#include "foundation/core/Defaults.h"
#include "foundation/core/NoInit.h"
#include "platform/LogFont.h"

namespace PardeloStravon {

class QziDocIMFC {
 public:
  QziDocIMFC() = default;
  QziDocIMFC(const QziDocIMFC&) = delete;
  QziDocIMFC& operator=(const QziDocIMFC&) = delete;

  NoInitS<LOGFONTW, LGF_options> oLF_;  // options view
  NoInitS<LOGFONTW, LGF_status> sLF_;   // status view
  NoInitS<LOGFONTW, LGF_program> pLF_;  // program form
  NoInit<unsigned long, 0> oRGB_;
  NoInit<unsigned long, 0> sRGB_;
  NoInit<unsigned long, 0> pRGB_;
};

// Default fonts and colours.
std::shared_ptr<QziDocIMFC> NewQziDocIMFC();

}  // namespace PardeloStravon
