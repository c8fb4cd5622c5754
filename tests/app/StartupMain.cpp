// Entry of the start-up tests: the application object is the program's own
// TheApp, made once; each test runs its start-up and shutdown.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/image.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/TheApp.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/TextConv.h"
#include "platform/ProcessStarter.h"

namespace {

void FailOnToolkitAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                         const wxString& msg) {
  ADD_FAILURE_AT(file.utf8_str(), line) << "Toolkit assertion failed in " << func.utf8_str() << ": "
                                        << cond.utf8_str() << " " << msg.utf8_str();
}

#ifdef VANTOR_WINDOW_MANAGER
// The desktop tests run under a window manager of their own on the display,
// started unless one already runs, and ended with the run.
bool WindowManagerRuns() { return std::system("wmctrl -m >/dev/null 2>&1") == 0; }

int StartWindowManager() {
  if (WindowManagerRuns()) return 0;
  const Platform::StartedProcess wm = Platform::StartProcess(VANTOR_WINDOW_MANAGER, {});
  if (!wm) {
    std::fprintf(stderr, "The window manager %s did not start: %s\n", VANTOR_WINDOW_MANAGER,
                 Platform::ErrorText(wm.error).c_str());
    return -1;
  }
  for (int i = 0; i < 100 && !WindowManagerRuns(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return wm.pid;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests needs no display.
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  const std::filesystem::path logs = std::filesystem::current_path() / "test-logs";
  std::filesystem::create_directories(logs);
  // Between the runs the channels write here, not onto the runner's output.
  PardeloStravon::LogFiles files(PardeloStravon::FromUtf8(logs.string()));
  setenv("NO_AT_BRIDGE", "1", 0);
  setenv("GDK_BACKEND", "x11", 0);
  setenv("GSETTINGS_BACKEND", "memory", 0);
#ifdef VANTOR_WINDOW_MANAGER
  const int windowManager = StartWindowManager();
  if (windowManager < 0) return 1;
#endif
  wxApp::SetInstance(new PardeloStravon::TheApp);
  static int wxArgc = 1;
  static char name[] = "app_startup_tests";
  static char* wxArgv[] = {name, nullptr};
  if (!wxEntryStart(wxArgc, wxArgv)) {
    std::fprintf(stderr, "The toolkit did not start: run the tests under xvfb-run.\n");
    return 1;
  }
  wxInitAllImageHandlers();
  wxSetAssertHandler(FailOnToolkitAssert);
  const int result = RUN_ALL_TESTS();
  wxEntryCleanup();
#ifdef VANTOR_WINDOW_MANAGER
  if (windowManager > 0) {
    kill(windowManager, SIGTERM);
    Platform::WaitForStartedProcesses(std::chrono::seconds(5));
  }
#endif
  return result;
}
