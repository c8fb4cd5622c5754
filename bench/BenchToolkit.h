#pragma once
// Runs the benchmarks inside a toolkit application, for those that draw or
// open windows; they need a display (run under xvfb-run).
#include <benchmark/benchmark.h>
#include <wx/app.h>

#include <cstdlib>

namespace Bench {

class ToolkitApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

// prepare runs once the toolkit stands, before the first benchmark.
inline int RunWithToolkit(int argc, char** argv, void (*prepare)() = nullptr) {
  setenv("NO_AT_BRIDGE", "1", 0);
  setenv("GDK_BACKEND", "x11", 0);
  setenv("GSETTINGS_BACKEND", "memory", 0);
  wxApp::SetInstance(new ToolkitApp);
  int wxArgc = 1;
  char* wxArgv[] = {argv[0], nullptr};
  if (!wxEntryStart(wxArgc, wxArgv)) return 1;
  wxTheApp->CallOnInit();
  if (prepare) prepare();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}

}  // namespace Bench
