#include "network/threads/RedrawThread.h"

#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {

void RedrawThread(WorkerContext& context) {
  const auto pause = [&context] { context.stop.Pause(context.timings.tickPause); };
  pause();
  for (;;) {
    try {
      if (context.Stopping()) return;
      pause();
      if (context.doc.IsClosing()) continue;
      DocServices* doc = &context.doc;
      // The task may run after the document began closing: no tick then.
      context.poster([doc] {
        if (!doc->IsClosing()) doc->EmitDocSignal(0, dsTick);
      });
    } catch (...) {
      pause();
      ErrorLog << TimeStamp() << L"Error in RedrawThread(LPVOID pParam)" << std::endl;
    }
  }
}

}  // namespace PardeloStravon
