#include "network/schedule/TickPasses.h"

#include <exception>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/schedule/Alarms.h"
#include "network/DocServices.h"
#include "network/schedule/GraphPasses.h"
#include "network/nodes/InstrNetOpt.h"

namespace PardeloStravon {

void RunTickPasses(InstrNetOpt& options, int address, DocSignal signal) {
  if (address != 0 || signal != dsTick) return;
  // The views hear the same tick after this slot: a failing pass must not
  // take it from them.
  try {
    const std::wstring folder = GetDocDirectory(*options.Doc());
    InstrAlarmPass(options, folder);
    if (!NetBlackoutAlarm(options, folder)) LinkAlarmPass(options, folder);
    PrintPass(options);
  } catch (const std::exception& e) {
    ErrorLog << TimeStamp() + L" Error in InstrNetOpt::Impl::OnDocSignal(): " + ToWide(e.what())
             << std::endl;
  }
}

}  // namespace PardeloStravon
