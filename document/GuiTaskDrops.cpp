#include "document/GuiTaskDrops.h"

#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {

void GuiTaskDrops::Dropped(const std::wstring& cause) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (dropped_++ == 0)
    ErrorLog << TimeStamp() << L" Error in QziDocIStd::PostToGui(): GUI tasks are being dropped, "
             << cause << std::endl;
}

void GuiTaskDrops::Kept() {
  if (dropped_.load() == 0) return;
  std::lock_guard<std::mutex> lock(mutex_);
  if (dropped_ == 0) return;
  ErrorLog << TimeStamp() << L" Error in QziDocIStd::PostToGui(): " << dropped_.load()
           << L" GUI tasks were dropped" << std::endl;
  dropped_ = 0;
}

}  // namespace PardeloStravon
