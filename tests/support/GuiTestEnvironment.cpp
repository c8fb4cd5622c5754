// Sets up the toolkit once for a binary of window tests. Listing the tests
// (which the build does without a display) never gets here.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/image.h>

#include <cstdlib>

namespace {

class GuiTestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

void FailOnToolkitAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                         const wxString& msg) {
  ADD_FAILURE_AT(file.utf8_str(), line)
      << "Toolkit assertion failed in " << func.utf8_str() << ": " << cond.utf8_str() << " "
      << msg.utf8_str();
}

class GuiEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr)
      GTEST_FAIL() << "Window tests need a display: run them under xvfb-run (tools/test.sh does).";
    // No accessibility bus on the virtual display; GTK would complain on
    // every start.
    setenv("NO_AT_BRIDGE", "1", 0);
    setenv("GDK_BACKEND", "x11", 0);
    // No session bus either: settings stay in memory.
    setenv("GSETTINGS_BACKEND", "memory", 0);
    wxApp::SetInstance(new GuiTestApp);
    static int argc = 1;
    static char name[] = "gui-test";
    static char* argv[] = {name, nullptr};
    if (!wxEntryStart(argc, argv)) GTEST_FAIL() << "The toolkit did not start on DISPLAY=" << std::getenv("DISPLAY");
    started_ = true;
    wxSetAssertHandler(FailOnToolkitAssert);
    wxInitAllImageHandlers();
    wxTheApp->CallOnInit();
  }

  void TearDown() override {
    if (!started_) return;
    wxTheApp->OnExit();
    wxEntryCleanup();
  }

 private:
  bool started_ = false;
};

const testing::Environment* const registered = testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
