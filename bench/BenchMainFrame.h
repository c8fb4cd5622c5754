#pragma once
// The program's main frame for benchmarks of its views: shown at a given
// size, with worker threads that never wake during a measurement.
#include <wx/gdicmn.h>

#include <chrono>

#include "app/AppCommands.h"
#include "app/MainFrame.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziDocManager.h"
#include "network/threads/ThreadTimings.h"

namespace PardeloStravon {

inline MainFrame* ShowBenchMainFrame(QziDocManager* manager, const wxSize& size) {
  ThreadTimings timings;
  timings.executorPause = timings.tickPause = std::chrono::hours(1);
  timings.heartbeatLimit = 1000000000;
  timings.closeWaitLimit = 2;
  timings.closeWaitPause = std::chrono::milliseconds(20);
  QziDoc::SetThreadTimings(timings);
  MainFrame* main = new MainFrame(manager);
  main->BecomeMainWindow();
  main->SetSize(size);
  main->Show();
  AddApplicationCommands(manager);
  return main;
}

}  // namespace PardeloStravon
