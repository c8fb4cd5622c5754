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

  TestSupport::TempDir folder_;
  std::vector<Box> boxes_;
  MessageBoxFunction previousBox_;
};

}  // namespace StartupTesting
