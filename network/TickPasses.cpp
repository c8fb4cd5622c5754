#include "network/TickPasses.h"

#include <exception>

#include "foundation/LogChannel.h"
#include "foundation/TextConv.h"
#include "foundation/TimeStamp.h"
#include "network/Alarms.h"
#include "network/DocServices.h"
#include "network/GraphPasses.h"
#include "network/InstrNetOpt.h"

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
