#pragma once
// The start-up tests' fixture: the program's own application object on a
// fresh program folder with the shipped tables; message boxes are recorded.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <wx/filehistory.h>
#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/timer.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <thread>

#include "app/AppMessageBox.h"
#include "app/AppTexts.h"
#include "app/CAboutDlg.h"
#include "app/CCommandLineInfoEx.h"
#include "app/GdipInitializer.h"
#include "app/MainFrame.h"
#include "app/TheApp.h"
#include "document/QziDocF.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIStd.h"
#include "document/ShellServices.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziDocManager.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/NativeDialog.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "views/tables/OptView.h"
#include "views/tables/StsView.h"
#include "tests/document/DocFileWriter.h"
#include "tests/support/GuiTest.h"
#include "tests/support/LogCapture.h"
#include "tests/support/StderrCapture.h"
#include "tests/support/TempDir.h"

namespace StartupTesting {


using namespace PardeloStravon;
using TestSupport::PumpEvents;

struct Box {
  std::wstring text;
  std::wstring caption;
  long style;
};

inline std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The records of a log file: each begins after a line break.
inline std::vector<std::string> Records(const std::filesystem::path& p) {
  std::vector<std::string> lines;
  std::string text = ReadFile(p), line;
  for (char c : text) {
    if (c == '\n') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

inline bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class StartupTest : public testing::Test {
 protected:
  void SetUp() override {
    // The program's folder: a copy of the shipped tables beside no program.
    std::filesystem::copy(ProgramDir() / "XML", folder_.File("XML"), std::filesystem::copy_options::recursive);
    TheApp::OverrideProgramFolder(folder_.Wide());
    // One home for the whole run: the single-instance lock stays there.
    static TestSupport::TempDir home;
    setenv("HOME", home.Path().c_str(), 1);
    previousBox_ = SetMessageBoxFunction([this](const std::wstring& text, const std::wstring& caption, long style) {
      boxes_.push_back({text, caption, style});
      return wxOK;
    });
    SetApplicationArguments({L"-nologo"});
  }

  void TearDown() override {
    Shutdown();
    SetMessageBoxFunction(previousBox_);
    TheApp::OverrideProgramFolder(L"");
    SetCurrentLanguage(0);
  }

  static std::filesystem::path ProgramDir() { return std::filesystem::path(ToUtf8(ProgramFolder())); }

  // Ends the program as the loop's end would.
  void Shutdown() {
    if (MainFrame* main = theApp->Main()) main->Close(true);
    PumpEvents();
    if (theApp->Running()) theApp->ExitInstance();
    PumpEvents();
  }

  // Runs the program's loop until it ends, or fails after the limit.
  void RunLoop(int limitMs = 20000) {
    wxTimer guard;
    bool late = false;
    guard.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
      late = true;
      wxTheApp->ExitMainLoop();
    });
    guard.StartOnce(limitMs);
    wxTheApp->MainLoop();
    guard.Stop();
    EXPECT_FALSE(late) << "the loop did not end";
  }

  QziDoc* OpenDoc() const { return TheTemplates() ? TheTemplates()->OpenDocument() : nullptr; }

  std::filesystem::path ActivityFile() const { return folder_.File("QZ_Activity_Log_W.txt"); }
  std::filesystem::path ErrorFile() const { return folder_.File("QZ_Error_Log_W.txt"); }
  std::filesystem::path SerialFile() const { return folder_.File("QZ_Ser_Comm_Log_W.txt"); }

  std::string StopRecord() const { return ToUtf8(StopLineText); }

  std::wstring WriteDocFile(const std::string& name, bool rx, const std::wstring& pass = L"") {
    return TestSupport::WriteDocumentFile(folder_.File(name), rx, pass);
  }

  // Runs the program's events until the condition holds or the limit passes.
  static bool WaitFor(const std::function<bool()>& condition, int limitMs = 8000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (std::chrono::steady_clock::now() < end) {
      PumpEvents();
      if (condition()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    PumpEvents();
    return condition();
  }
  // Lets the window manager and the toolkit settle for a while.
  static void Settle(int ms) { WaitFor([] { return false; }, ms); }

  // The demo's document in the program's folder.
  std::wstring DemoDocument() {
    const auto file = folder_.File("plant.qzid");
    std::filesystem::copy_file(VANTOR_DEMO_DOCUMENT, file, std::filesystem::copy_options::overwrite_existing);
    return FromUtf8(file.string());
  }

  template <typename ViewClass>
  ChildFrm* FrameOf() {
    if (!OpenDoc()) return nullptr;
    for (wxObject* view : OpenDoc()->GetViews())
      if (auto* v = dynamic_cast<ViewClass*>(view)) return dynamic_cast<ChildFrm*>(v->GetFrame());
    return nullptr;
  }

  // The demo's options and status views, one above the other inside the
  // frame, each at least a third of its height and showing its rows; the
  // screen is saved under the name.
  void ExpectBothViewsWithRows(MainFrame& main, const std::string& shot) {
    EXPECT_TRUE(WaitFor([&] { return main.ChildGroups() == 2; }));
    Settle(1500);
    ChildFrm* options = FrameOf<OptView>();
    ChildFrm* status = FrameOf<StsView>();
    ASSERT_NE(options, nullptr);
    ASSERT_NE(status, nullptr);
    const wxRect frame = main.GetScreenRect();
    const wxRect top = options->GetScreenRect();
    const wxRect bottom = status->GetScreenRect();
    for (const auto& [name, rect] : {std::pair{"options", top}, std::pair{"status", bottom}}) {
      SCOPED_TRACE(name);
      EXPECT_TRUE(frame.Contains(rect)) << "outside the frame";
      EXPECT_GE(rect.GetHeight(), frame.GetHeight() / 3);
      EXPECT_GE(rect.GetWidth(), frame.GetWidth() * 9 / 10);
    }
    EXPECT_TRUE(options->IsShownOnScreen());
    EXPECT_TRUE(status->IsShownOnScreen());
    EXPECT_FALSE(top.Intersects(bottom));

    // Rows: the status view draws a row per instrument; the options view
    // has room for its header and the demo's three instruments.
    auto* sts = dynamic_cast<StsView*>(status->View());
    ASSERT_NE(sts, nullptr);
    std::vector<int> drawn;
    sts->SetPaintProbe([&](bool, const std::vector<int>& addresses) { drawn = addresses; });
    sts->Window()->Refresh();
    sts->Window()->Update();
    EXPECT_TRUE(WaitFor([&] { return drawn.size() == 3u; }));
    sts->SetPaintProbe(nullptr);
    auto* opt = dynamic_cast<OptView*>(options->View());
    ASSERT_NE(opt, nullptr);
    EXPECT_GE(opt->Window()->GetClientSize().GetHeight(), 4 * opt->Window()->GetCharHeight() * 2);
    EXPECT_GE(sts->Window()->GetClientSize().GetHeight(), 4 * sts->Window()->GetCharHeight() * 2);
    TestSupport::SaveScreenshot(shot);
  }

  TestSupport::TempDir folder_;
  std::vector<Box> boxes_;
  MessageBoxFunction previousBox_;
};

}  // namespace StartupTesting
