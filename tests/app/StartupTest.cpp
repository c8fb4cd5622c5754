// The program's start-up, main loop and shutdown, with the program's own
// application object: message boxes and the clock are doubles, the program
// folder is a fresh copy with the shipped tables.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <functional>

#include "tests/app/StartupFixture.h"

namespace {

using namespace StartupTesting;

TEST_F(StartupTest, ABrokenTableShowsItsTextCaptionedVantor4_CreatesNoTemplate_AndTheStopLineIsLast) {
  std::ofstream(folder_.File("XML/chkGroup.xml"), std::ios::trunc) << "<broken";
  EXPECT_FALSE(theApp->StartUp());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_NE(boxes_[0].text.find(L"Closing the application"), std::wstring::npos) << ToUtf8(boxes_[0].text);
  EXPECT_EQ(boxes_[0].caption, L"Vantor4");
  EXPECT_EQ(boxes_[0].style & wxICON_MASK, wxICON_WARNING);
  EXPECT_EQ(TheTemplates(), nullptr);
  EXPECT_EQ(theApp->Main(), nullptr);
  EXPECT_THROW(theApp->GetF()->IMFC(), std::exception);
  const auto records = Records(ActivityFile());
  ASSERT_FALSE(records.empty());
  EXPECT_TRUE(EndsWith(records.back(), StopRecord())) << records.back();
}

TEST_F(StartupTest, TheClockBoundaryWarnsOnlyBeforeIt_AndStartUpGoesOnEitherWay) {
  struct Case {
    std::time_t now;
    bool warns;
  };
  const Case cases[] = {{1178039999, true}, {1178040000, false}, {1700000000, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.now);
    boxes_.clear();
    TestClock clock(c.now);
    ASSERT_TRUE(theApp->StartUp());
    ASSERT_NE(theApp->Main(), nullptr);
    EXPECT_NE(OpenDoc(), nullptr);
    ASSERT_EQ(boxes_.size(), c.warns ? 1u : 0u);
    if (c.warns) {
      EXPECT_EQ(boxes_[0].text, DictText(CTW_PLS_CHK_DATE));
      EXPECT_EQ(boxes_[0].caption, DictText(CTW_Application_Name));
      EXPECT_EQ(boxes_[0].style & wxICON_MASK, wxICON_WARNING);
    }
    Shutdown();
  }
}

TEST_F(StartupTest, TheRunsFirstActivityRecordIsTheStartLine_AndTheSerialFileGetsNothingWrittenBefore) {
  std::ofstream(ActivityFile()) << "an earlier run\n";
  SerCommLog << L"written before the start" << std::endl;
  TestClock clock(1700000000);
  ASSERT_TRUE(theApp->StartUp());
  SerCommLog << L"written while running" << std::endl;
  const std::string start = "an earlier run\n\n" + ToUtf8(TimeStamp() + L" " + StartLineText + L" " + ProgramPath()) + "\n";
  Shutdown();
  EXPECT_EQ(ReadFile(ActivityFile()).substr(0, start.size()), start);
  EXPECT_EQ(ReadFile(SerialFile()), "written while running\n");
  EXPECT_TRUE(EndsWith(Records(ActivityFile()).back(), StopRecord()));
}

TEST_F(StartupTest, TheProfilesLogLimitBoundsTheLogs_AndAMinutesCountIsWrittenWithoutAFurtherRecord) {
  const std::filesystem::path profile = std::filesystem::path(std::getenv("HOME")) / ".Vantor4";
  const bool hadProfile = std::filesystem::exists(profile);
  const std::string before = hadProfile ? ReadFile(profile) : "";
  std::ofstream(profile, std::ios::app) << "\n[Logs]\nSizeLimitMB=1\n";
  TestClock clock(1700000000);
  ASSERT_TRUE(theApp->StartUp());
  for (int i = 0; i < 3; ++i) ErrorLog << (TimeStamp() + L" Impossible to open serial port.\n");
  clock.Advance(60);
  // A little over a second of the program's loop: its log tick comes in it.
  wxTimer stop;
  stop.Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxTheApp->ExitMainLoop(); });
  stop.StartOnce(1500);
  wxTheApp->MainLoop();
  EXPECT_TRUE(EndsWith(ReadFile(ErrorFile()), ToUtf8(TimeStamp()) + " \"Impossible to open serial port.\" repeated 2 times\n"))
      << ReadFile(ErrorFile());
  const std::wstring filler(1000, L's');
  for (int i = 0; i < 1100; ++i) SerCommLog << (std::to_wstring(i) + filler + L"\n");
  std::filesystem::path older = SerialFile();
  older += ".1";
  EXPECT_TRUE(std::filesystem::exists(older));
  Shutdown();
  if (hadProfile)
    std::ofstream(profile, std::ios::trunc) << before;
  else
    std::filesystem::remove(profile);
}

TEST_F(StartupTest, LogFilesThatCannotBeOpenedKeepTheRecordsOnTheStandardStreams_AndAreNamedOnceOnStandardError) {
  const char* names[] = {"QZ_Error_Log_W.txt", "QZ_Activity_Log_W.txt", "QZ_Ser_Comm_Log_W.txt"};
  for (const char* name : names) std::filesystem::create_directory(folder_.File(name));
  TestSupport::LogCapture activity(ActivityLog);
  TestSupport::StderrCapture stderrText;
  ASSERT_TRUE(theApp->StartUp());
  Shutdown();
  for (const char* name : names) EXPECT_EQ(stderrText.Count(name), 1) << name << "\n" << stderrText.Text();
  const std::wstring text = activity.Text();
  EXPECT_NE(text.find(StartLineText + L" " + ProgramPath()), std::wstring::npos);
  EXPECT_NE(text.find(StopLineText), std::wstring::npos);
}

TEST_F(StartupTest, HandlersThatThrowLeaveTheExactRecords_AndTheProgramAnswersTheNextCommand) {
  TestClock clock(1700000000);
  ASSERT_TRUE(theApp->StartUp());
  MainFrame* main = theApp->Main();
  int answered = 0;
  struct Case {
    std::function<void()> handler;
    std::wstring record;
  };
  const Case cases[] = {
      {[] { throw std::runtime_error("a runtime error"); }, TimeStamp() + L"Error in TheApp::Run(): a runtime error\n"},
      {[] { throw 7; }, TimeStamp() + L" Error in TheApp::Run(): unspecified\n"},
      {[&answered] { ++answered; }, L""},
  };
  for (const Case& c : cases) {
    TestSupport::LogCapture errors(ErrorLog);
    main->Target().OnCommand(Platform::ID_APP_ABOUT, c.handler);
    wxCommandEvent event(wxEVT_MENU, Platform::ToWxId(Platform::ID_APP_ABOUT));
    event.SetEventObject(main);
    main->HandleWindowEvent(event);
    EXPECT_EQ(errors.Text(), c.record);
  }
  EXPECT_EQ(answered, 1);
  main->Target().RemoveCommand(Platform::ID_APP_ABOUT);
}

TEST_F(StartupTest, WithADocumentOpenTheMainFramesCloseIsRefused_AfterFileCloseExitEndsTheLoopWithTheStopLineLast) {
  ASSERT_TRUE(theApp->StartUp());
  MainFrame* main = theApp->Main();
  QziDoc* doc = OpenDoc();
  ASSERT_NE(doc, nullptr);
  EXPECT_FALSE(main->Close(false));
  PumpEvents();
  EXPECT_EQ(theApp->Main(), main);
  EXPECT_EQ(OpenDoc(), doc);
  EXPECT_TRUE(Shell().HasMainWindow());

  doc->Std().SetModified(false);
  ASSERT_TRUE(doc->FileClose());
  wxTheApp->CallAfter([main] { main->RouteCommand(Platform::ID_APP_EXIT); });
  RunLoop();
  EXPECT_EQ(theApp->Main(), nullptr);
  EXPECT_FALSE(Shell().HasMainWindow());
  theApp->ExitInstance();
  EXPECT_TRUE(EndsWith(Records(ActivityFile()).back(), StopRecord()));
}

TEST_F(StartupTest, SigtermClosesTheDocumentWithoutQuestions_ThenTheStopLineIsTheLastRecord) {
  // Reception on and a user password: a close by the user would ask for it.
  const std::wstring path = WriteDocFile("running.qzid", true, L"secret");
  SetApplicationArguments({L"-nologo", path});
  ASSERT_TRUE(theApp->StartUp());
  ASSERT_NE(OpenDoc(), nullptr);
  OpenDoc()->Std().SetModified(true);
  bool asked = false;
  TestSupport::ModalDriver questions([&asked](wxDialog& d) {
    asked = true;
    if (d.IsModal()) d.EndModal(wxID_CANCEL);
    else Platform::EndNativeDialog(d, false);
  });
  wxTheApp->CallAfter([] { ::kill(::getpid(), SIGTERM); });
  RunLoop();
  EXPECT_FALSE(asked);
  EXPECT_EQ(OpenDoc(), nullptr);
  theApp->ExitInstance();
  const auto records = Records(ActivityFile());
  ASSERT_GE(records.size(), 2u);
  EXPECT_NE(records[records.size() - 2].find("Closing document named: " + ToUtf8(path)), std::string::npos)
      << records[records.size() - 2];
  EXPECT_TRUE(EndsWith(records.back(), StopRecord()));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(StartupTest, SigtermWhileAMessageBoxIsOpenEndsTheBoxAndTheProgram) {
  ASSERT_TRUE(theApp->StartUp());
  SetMessageBoxFunction(nullptr);
  bool boxEnded = false;
  wxTheApp->CallAfter([&boxEnded] {
    wxTheApp->CallAfter([] { ::kill(::getpid(), SIGTERM); });
    AppMessageBox(L"a question nobody answers", L"caption", wxOK);
    boxEnded = true;
  });
  RunLoop();
  EXPECT_TRUE(boxEnded);
  EXPECT_EQ(OpenDoc(), nullptr);
  theApp->ExitInstance();
  EXPECT_TRUE(EndsWith(Records(ActivityFile()).back(), StopRecord()));
}

// A signal that comes while start-up still runs (here while its clock
// warning is up, after the first document) waits for the main loop, which
// then ends as on any other signal: the document closes, the stop line is
// the last record.
TEST_F(StartupTest, SigtermDuringStartUp_EndsTheRunOnceTheLoopRuns_WithTheStopLineLast) {
  TestClock clock(1178039999);
  SetMessageBoxFunction([this](const std::wstring& text, const std::wstring& caption, long style) {
    boxes_.push_back({text, caption, style});
    ::kill(::getpid(), SIGTERM);
    return wxOK;
  });
  ASSERT_TRUE(theApp->StartUp());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, DictText(CTW_PLS_CHK_DATE));
  RunLoop();
  EXPECT_EQ(theApp->Main(), nullptr);
  EXPECT_EQ(OpenDoc(), nullptr);
  theApp->ExitInstance();
  const auto records = Records(ActivityFile());
  ASSERT_GE(records.size(), 2u);
  EXPECT_NE(records[records.size() - 2].find("Closing document named:"), std::string::npos)
      << records[records.size() - 2];
  EXPECT_TRUE(EndsWith(records.back(), StopRecord()));
}

TEST_F(StartupTest, ADocumentThatCannotBeOpenedEndsStartUp_WithStartAndStopLines) {
  SetApplicationArguments({L"-nologo", FromUtf8(folder_.File("missing.qzid").string())});
  EXPECT_FALSE(theApp->StartUp());
  EXPECT_EQ(theApp->Main(), nullptr);
  const auto records = Records(ActivityFile());
  ASSERT_FALSE(records.empty());
  EXPECT_NE(ReadFile(ActivityFile()).find(ToUtf8(StartLineText)), std::string::npos);
  EXPECT_TRUE(EndsWith(records.back(), StopRecord()));
}

// A document that cannot be opened names the file and the cause, in the
// language of the windows.
struct OpenFailureCase {
  const char* name;
  // Writes the file into the folder; its path.
  std::function<std::wstring(const TestSupport::TempDir&)> make;
  const wchar_t* english;
  const wchar_t* italian;
};

const OpenFailureCase openFailures[] = {
    {"text file named .qzid",
     [](const TestSupport::TempDir& dir) {
       std::ofstream(dir.File("notes.qzid")) << "Shopping list\nmilk\n";
       return FromUtf8(dir.File("notes.qzid").string());
     },
     L"The file is not a document of this program.", L"Il file non è un documento di questo programma."},
    {"empty .qzi",
     [](const TestSupport::TempDir& dir) {
       std::ofstream(dir.File("empty.qzi")).flush();
       return FromUtf8(dir.File("empty.qzi").string());
     },
     L"The file is empty.", L"Il file è vuoto."},
    {"truncated document",
     [](const TestSupport::TempDir& dir) {
       const std::wstring path = TestSupport::WriteDocumentFile(dir.File("cut.qzid"), false, L"");
       std::filesystem::resize_file(dir.File("cut.qzid"), std::filesystem::file_size(dir.File("cut.qzid")) / 2);
       return path;
     },
     L"The document is damaged or incomplete.", L"Il documento è danneggiato o incompleto."},
    {"missing file",
     [](const TestSupport::TempDir& dir) { return FromUtf8(dir.File("gone.qzid").string()); },
     L"The file does not exist.", L"Il file non esiste."},
};

TEST_F(StartupTest, ADocumentThatCannotBeOpenedSaysWhichFileAndWhyInTheWindowsLanguage) {
  ASSERT_TRUE(theApp->StartUp());
  ASSERT_NE(OpenDoc(), nullptr);
  OpenDoc()->Std().SetModified(false);
  ASSERT_TRUE(OpenDoc()->FileClose());
  PumpEvents();
  for (const OpenFailureCase& c : openFailures) {
    for (std::size_t language : {0u, 1u}) {
      SCOPED_TRACE(std::string(c.name) + (language ? " in Italian" : " in English"));
      SetCurrentLanguage(language);
      const std::wstring path = c.make(folder_);
      boxes_.clear();
      LastOpenFailure().clear();
      EXPECT_EQ(TheTemplates()->OpenDocumentFile(path), nullptr);
      PumpEvents();
      ASSERT_EQ(boxes_.size(), 1u);
      const std::wstring cause = language ? c.italian : c.english;
      const std::wstring opening = language ? L"Impossibile aprire il documento:" : L"The document cannot be opened:";
      EXPECT_EQ(boxes_[0].text, opening + L"\n" + path + L"\n" + cause);
      EXPECT_EQ(LastOpenFailure(), opening + L" " + path + L": " + cause);
      EXPECT_EQ(OpenDoc(), nullptr);
    }
  }
}

TEST_F(StartupTest, WithoutAWindowManagerTheOptionsAndStatusViewsStandOneAboveTheOtherWithTheirRows) {
  setenv("COM1", folder_.File("no-port").c_str(), 1);
  SetApplicationArguments({L"-nologo", DemoDocument()});
  ASSERT_TRUE(theApp->StartUp());
  ExpectBothViewsWithRows(*theApp->Main(), "startup_layout_without_window_manager");
}

TEST_F(StartupTest, AnExceptionLeavingStartUpGivesItsRecordItsBoxAndTheStopLine) {
  GdiplusFunctions failing;
  failing.startup = [](std::uintptr_t*, const GdiplusStartupInput&) { return 1; };
  failing.shutdown = [](std::uintptr_t) {};
  const GdiplusFunctions previous = SetGdiplusFunctions(failing);
  TestClock clock(1700000000);
  EXPECT_FALSE(theApp->StartUp());
  SetGdiplusFunctions(previous);
  const std::string errors = ReadFile(ErrorFile());
  EXPECT_NE(errors.find(ToUtf8(TimeStamp() + L"Error in TheApp::InitInstance(): ")), std::string::npos) << errors;
  EXPECT_NE(errors.find("!m_GDIpInitializer.IsInitialized()"), std::string::npos);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_NE(boxes_[0].text.find(L"!m_GDIpInitializer.IsInitialized()"), std::wstring::npos);
  EXPECT_EQ(TheTemplates(), nullptr);
  EXPECT_TRUE(EndsWith(Records(ActivityFile()).back(), StopRecord()));
}

// A task posted from a worker thread while a dialog is open: the counter
// is read when the dialog ends.
TEST_F(StartupTest, ATaskPostedFromAWorkerThreadRunsWhileADialogIsOpen) {
  ASSERT_TRUE(theApp->StartUp());
  MainFrame* main = theApp->Main();
  OpenDoc()->Std().SetModified(false);
  ASSERT_TRUE(OpenDoc()->FileClose());
  std::atomic<int> runs{0};
  main->Target().OnCommand(Platform::ID_RUN_GUI_TASKS, [&runs] { ++runs; });
  const std::function<void()> dialogs[] = {
      [main] {
        CAboutDlg about(main);
        about.DoModal();
      },
      [] { AppMessageBox(L"a message", L"caption", wxOK); },
  };
  SetMessageBoxFunction(nullptr);
  for (const auto& openDialog : dialogs) {
    runs = 0;
    int runsAtClose = -1;
    TestSupport::ModalDriver driver([&](wxDialog& dialog) {
      std::thread worker([] { Shell().PostRunGuiTasks(); });
      worker.join();
      // Queued after the task: it ends the dialog once the task has run.
      wxTheApp->CallAfter([&runs, &runsAtClose, &dialog] {
        runsAtClose = runs;
        if (dialog.IsModal()) dialog.EndModal(wxID_OK);
        else Platform::EndNativeDialog(dialog, true);
      });
    });
    openDialog();
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(runsAtClose, 1);
  }
  main->Target().RemoveCommand(Platform::ID_RUN_GUI_TASKS);
}

TEST_F(StartupTest, AToolkitAssertionIsRecordedAndTheProgramGoesOn_TheApplicationPartsFailOutsideTheirLife) {
  try {
    theApp->GetF()->IMFC();
    ADD_FAILURE() << "no failure before start-up";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("Derefering null pointer!"), std::string::npos) << e.what();
  }
  ASSERT_TRUE(theApp->StartUp());
  EXPECT_NE(theApp->GetF()->IMFC().get(), nullptr);
  EXPECT_EQ(theApp->GetF()->IMFC().get(), TheTemplates());
  {
    TestSupport::LogCapture errors(ErrorLog);
    wxFAIL_MSG("a toolkit check that failed");
    EXPECT_NE(errors.Text().find(L"a toolkit check that failed"), std::wstring::npos);
  }
  EXPECT_TRUE(boxes_.empty());
  Shutdown();
  EXPECT_THROW(theApp->GetF()->IMFC(), std::exception);
}

TEST_F(StartupTest, AFileDroppedOnTheMainFrameOpensAsFileOpenOpensIt) {
  const std::wstring path = WriteDocFile("dropped.qzid", false);
  ASSERT_TRUE(theApp->StartUp());
  QziDoc* fresh = OpenDoc();
  fresh->Std().SetModified(false);
  ASSERT_TRUE(fresh->FileClose());
  // The event owns the array.
  auto* files = new wxString[1]{path};
  wxDropFilesEvent drop(wxEVT_DROP_FILES, 1, files);
  drop.SetEventObject(theApp->Main());
  theApp->Main()->HandleWindowEvent(drop);
  PumpEvents();
  ASSERT_NE(OpenDoc(), nullptr);
  EXPECT_EQ(OpenDoc()->GetFilename().ToStdWstring(), path);
  EXPECT_EQ(OpenDoc()->GetDocumentTemplate(), TheTemplates()->TplOpt());
}

TEST_F(StartupTest, TheRecentFilesAreKeptInTheProfileAcrossRuns_AndGraphicsEndWithTheRun) {
  const std::wstring path = WriteDocFile("recent.qzid", false);
  SetApplicationArguments({L"-nologo", path});
  ASSERT_TRUE(theApp->StartUp());
  EXPECT_EQ(GdipInitializer::InitializeCount(), 1);
  Shutdown();
  EXPECT_EQ(GdipInitializer::InitializeCount(), 0);
  SetApplicationArguments({L"-nologo"});
  ASSERT_TRUE(theApp->StartUp());
  wxFileHistory* history = theApp->DocManager()->GetFileHistory();
  ASSERT_NE(history, nullptr);
  ASSERT_GE(history->GetCount(), 1u);
  EXPECT_EQ(history->GetHistoryFile(0).ToStdWstring(), path);
  EXPECT_EQ(history->GetMaxFiles(), 16u);
}

TEST_F(StartupTest, BeforeTheMainFrameExistsNothingIsQueued) {
  AppShell shell;
  PumpEvents();
  shell.PostRunGuiTasks();
  EXPECT_FALSE(wxTheApp->HasPendingEvents());
  EXPECT_FALSE(shell.HasMainWindow());
}

}  // namespace
