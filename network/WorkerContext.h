#pragma once
// What every worker thread of one document is started with: the document,
// its GUI poster, the timings and the stop request.
#include "network/DocServices.h"
#include "network/ThreadTimings.h"
#include "network/WorkerStop.h"

namespace PardeloStravon {

struct WorkerContext {
  DocServices& doc;
  GuiPoster poster;  // bound to the document's PostToGui
  ThreadTimings timings;
  WorkerStop& stop;

  // The document's stop flag, or the owner's stop request that follows it.
  bool Stopping() const { return doc.IsStopped() || stop.Requested(); }
};

}  // namespace PardeloStravon
