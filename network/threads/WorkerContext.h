#pragma once
// What every worker thread of one document is started with: the document,
// its GUI poster, the timings and the stop request.
#include <mutex>

#include "network/DocServices.h"
#include "network/threads/ThreadTimings.h"
#include "network/threads/WorkerStop.h"

namespace PardeloStravon {

struct WorkerContext {
  DocServices& doc;
  GuiPoster poster;  // bound to the document's PostToGui
  ThreadTimings timings;
  WorkerStop& stop;
  // Held by the watchdog while it walks the network, and taken once by the
  // wait before closing, so no walk begun before a pause outlasts it.
  std::mutex networkWalk{};

  // The document's stop flag, or the owner's stop request that follows it.
  bool Stopping() const { return doc.IsStopped() || stop.Requested(); }
};

}  // namespace PardeloStravon
