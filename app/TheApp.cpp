#include "app/TheApp.h"

#include <wx/dialog.h>
#include <wx/fileconf.h>
#include <wx/modalhook.h>
#include <wx/filehistory.h>
#include <wx/snglinst.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <chrono>
#include <csignal>

#include "app/AppMessageBox.h"
#include "app/AppTexts.h"
#include "app/AppViewClasses.h"
#include "app/CCommandLineInfoEx.h"
#include "app/CSplash.h"
#include "app/CommandLinePrint.h"
#include "app/StandardError.h"
#include "app/LogProfile.h"
#include "app/MainFrame.h"
#include "app/ToolkitLog.h"
#include "document/ShellServices.h"
#include "document/gui/CommandDialogs.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziDocManager.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "platform/ExitWatchdog.h"
#include "platform/gui/NativeDialog.h"

namespace PardeloStravon {

TheApp* theApp = nullptr;

// The modal dialogs open now, native ones included, innermost last.
struct TheApp::OpenDialogs : wxModalDialogHook {
  std::vector<wxDialog*> open;
  OpenDialogs() { Register(); }
  ~OpenDialogs() override { Unregister(); }
  int Enter(wxDialog* dialog) override {
    open.push_back(dialog);
    return wxID_NONE;
  }
  void Exit(wxDialog* dialog) override { std::erase(open, dialog); }
};

namespace {

constexpr int SplashBitmap = 151;
constexpr unsigned SplashMinimumMs = 2000;
constexpr int RecentFileCount = 16;
// How often the logs look whether a count of repeated records is due.
constexpr int LogTickMs = 1000;
// From the end of the main loop to the end of the process at the latest.
constexpr std::chrono::seconds ExitGrace{90};

std::wstring& ProgramFolderOverride() {
  static std::wstring folder;
  return folder;
}

// An unattended monitor never stops at a dialog: the assertion is recorded
// and the program goes on.
void RecordAssertion(const wxString& file, int line, const wxString& func, const wxString& cond,
                     const wxString& msg) {
  ErrorLog << (TimeStamp() + L" Assertion failed in " + func.ToStdWstring() + L": " + cond.ToStdWstring() + L" " +
               msg.ToStdWstring() + L" (" + file.ToStdWstring() + L":" + std::to_wstring(line) + L")\n");
}

// One line on standard error, named after the program.
void WriteStandardError(const std::wstring& line) { WriteStandardErrorLine(ApplicationBaseName + L": " + line); }

}  // namespace

TheApp::TheApp() : openDialogs_(new OpenDialogs) {
  theApp = this;
  SetAppName(ApplicationBaseName);
  SetVendorName(RegistryKey);
  SetAppDisplayName(ApplicationBaseName);
}

TheApp::~TheApp() {
  if (theApp == this) theApp = nullptr;
}

void TheApp::OverrideProgramFolder(const std::wstring& folder) { ProgramFolderOverride() = folder; }

bool TheApp::OnInit() {
  ToolkitLogInBoxes();
  SetApplicationArguments(ProgramArguments(argc, argv));
  // A print run has ended in start-up; OnRun hands its status on.
  return StartUp() || printStatus_.has_value();
}

int TheApp::OnRun() {
  const int status = printStatus_ ? *printStatus_ : wxApp::OnRun();
  // No window is left to show a box of the toolkit in (a profile that
  // cannot be written, say): what it says now goes to the error file.
  ToolkitLogToErrorFileUntilTheEnd();
  // Past its main loop the program only closes what is still open (a
  // document's close waits for its line at most a minute): whatever blocks
  // longer must not keep it alive, unattended and refusing the next start.
  Platform::ArmExitWatchdog(ExitGrace, status, ToUtf8(ApplicationBaseName));
  return status;
}

bool TheApp::StartUp() {
  wxSetAssertHandler(RecordAssertion);
  CCommandLineInfoEx cmdInfo;
  cmdInfo.Parse(ApplicationArguments());
  // Nobody sits at the screen of a print run: a box becomes a line on
  // standard error, which keeps nothing else.
  std::optional<UnattendedOutput> unattended;
  if (IsPrintRun(cmdInfo)) unattended.emplace();
  try {
    if (InitInstance()) {
      running_ = true;
      return true;
    }
    return false;
  } catch (const std::exception& e) {
    RecordInitError(ToWide(e.what()), true);
  } catch (...) {
    RecordInitError(L"unspecified", false);
  }
  return Fail();
}

void TheApp::RecordInitError(const std::wstring& what, bool standard) {
  ErrorLog << (TimeStamp() + (standard ? L"" : L" ") + InitErrorText + what + L"\n");
  AppMessageBox(InitErrorText + what, GetAppDisplayName().ToStdWstring(), wxOK | wxICON_ERROR);
}

bool TheApp::Fail() {
  if (main_) {
    MainFrame* main = main_;
    main_ = nullptr;
    main->SetOnClosing(nullptr);
    shell_.SetMainWindow(false);
    main->Destroy();
  }
  ExitInstance();
  return false;
}

bool TheApp::CheckSingleInstance() {
  if (!anotherInstance_) {
    // A lock in the user's home: one instance per user.
    instance_ = std::make_unique<wxSingleInstanceChecker>();
    anotherInstance_ = instance_->Create(SingleInstanceName) && instance_->IsAnotherRunning();
  }
  return *anotherInstance_;
}

bool TheApp::InitInstance() {
  // Steps 1, 3 and 4 (common controls, OLE, control containment) have
  // nothing to do here.
  if (CheckSingleInstance()) {
    AppMessageBox(AnotherInstanceText, ApplicationBaseName, wxOK | wxICON_ERROR);
    return false;
  }

  // The profile in the user's home, with the recent files.
  profile_ = std::make_unique<wxFileConfig>(ApplicationBaseName, RegistryKey);
  manager_ = new QziDocManager;
  manager_->FileHistoryLoad(*profile_);

  const std::wstring programPath = ProgramPath();
  const std::wstring folder = ProgramFolderOverride().empty() ? ProgramFolder() : ProgramFolderOverride();

  const LogSizeSetting logSize = LogSizeLimitFromProfile(*profile_);
  logs_ = std::make_unique<LogFiles>();
  logs_->SetSizeLimit(logSize.bytes);
  logs_->RedirectErrorAndActivity(folder);
  ActivityLog << (L"\n" + TimeStamp() + L" " + StartLineText + L" " + programPath + L"\n");
  logs_->RedirectSerComm(folder);
  if (!logSize.error.empty()) ErrorLog << logSize.error;
  // A count of repeated records is written at its minute's end, also when
  // no further record comes.
  logTick_ = std::make_unique<wxTimer>();
  logTick_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
    if (logs_) logs_->Tick();
  });
  logTick_->Start(LogTickMs);

  SetBeforeMessageBox([this] {
    if (splash_) splash_->CloseNow();
  });
  CSplash::Start(SplashBitmap, SplashMinimumMs, 0, &splash_, [this] { return shell_.HasMainWindow(); });

  const std::wstring failure = LoadResources(PathUp(folder, 0));
  if (!failure.empty()) {
    AppMessageBox(failure, ApplicationBaseName, wxOK | wxICON_WARNING);
    return Fail();
  }

  InstallShellServices(&shell_);
  InstallViewServices(&views_);
  InstallCommandDialogs(&dialogs_);
  pF_.reset();
  pF_.reset(new TheAppF(this, manager_, ApplicationViewClasses()));

  main_ = new MainFrame(manager_);
  main_->SetOnClosing([this] {
    shell_.SetMainWindow(false);
    main_ = nullptr;
    // The program ends with its main window, whatever else is still open.
    ExitMainLoop();
  });
  AddApplicationCommands(manager_);
  // The recent files of the profile show in the menu of no document too.
  manager_->RefreshRecentMenus();
  main_->BecomeMainWindow();
  shell_.SetMainWindow(true);
  main_->DragAcceptFiles(true);
  main_->Bind(wxEVT_DROP_FILES, &TheApp::OnDropFiles, this);

  CCommandLineInfoEx cmdInfo;
  cmdInfo.Parse(ApplicationArguments());
  if (IsPrintRun(cmdInfo)) {
    // The framework's print switches: the main window stays hidden, the
    // first view prints, and the run ends as a failed start-up does.
    printStatus_ = RunCommandLinePrint(*pF_->IMFC(), cmdInfo);
    return Fail();
  }
  // From the first document on, a signal ends the run as closing the window
  // does (it is handled once the main loop runs); a print run keeps the
  // signals' own ending.
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) SetSignalHandler(signal, &TheApp::OnSignal);
  if (cmdInfo.FileName().empty()) {
    // A new document that cannot be made does not end start-up.
    pF_->IMFC()->FileNew();
  } else if (!pF_->IMFC()->OpenDocumentFile(cmdInfo.FileName())) {
    // From a terminal the user reads the cause there too.
    if (!LastOpenFailure().empty()) WriteStandardError(LastOpenFailure());
    return Fail();
  }

  main_->Show();
  // Bare X servers without a window manager keep the frame's own size.
  main_->Maximize();
  main_->Update();

  if (Now() < ClockCheckBoundary)
    AppMessageBox(DictText(CTW_PLS_CHK_DATE), GetAppDisplayName().ToStdWstring(), wxOK | wxICON_WARNING);
  return true;
}

int TheApp::ExitInstance() {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) SetSignalHandler(signal, SIG_DFL);
  running_ = false;
  pF_.reset();
  ActivityLog << (L"\n" + TimeStamp() + L" " + StopLineText + L"\n");
  ErrorLog << std::flush;
  ActivityLog << std::flush;
  if (manager_ && profile_) {
    manager_->FileHistorySave(*profile_);
    profile_->Flush();
  }
  // The channels get their former buffers back before the files close;
  // counts of repeated records still pending are written then.
  logTick_.reset();
  logs_.reset();
  InstallCommandDialogs(nullptr);
  InstallViewServices(nullptr);
  InstallShellServices(nullptr);
  SetBeforeMessageBox(nullptr);
  if (splash_) delete splash_;
  // Closed frames still hold the manager until they are deleted.
  DeletePendingObjects();
  delete manager_;
  manager_ = nullptr;
  profile_.reset();
  return 0;
}

int TheApp::OnExit() {
  if (running_) ExitInstance();
  return wxApp::OnExit();
}

bool TheApp::OnExceptionInMainLoop() {
  try {
    throw;
  } catch (const std::exception& e) {
    ErrorLog << (TimeStamp() + RunErrorText + ToWide(e.what()) + L"\n");
  } catch (...) {
    ErrorLog << (TimeStamp() + L" " + RunUnspecifiedText + L"\n");
  }
  wxBell();
  return true;
}

void TheApp::OnUnhandledException() {
  ErrorLog << (TimeStamp() + L" " + RunUnspecifiedText + L"\n");
}

void TheApp::OnDropFiles(wxDropFilesEvent& event) {
  TheAppIMFC* templates = pF_.get() ? pF_->IMFC().get() : nullptr;
  if (!templates) return;
  for (int i = 0; i < event.GetNumberOfFiles(); ++i) templates->OpenDocumentFile(event.GetFiles()[i].ToStdWstring());
}

void TheApp::OnSignal(int) {
  if (theApp) theApp->EndUnattended();
}

void TheApp::EndUnattended() {
  // An open modal dialog is cancelled first, the innermost first; the
  // close comes back once its loop has ended.
  if (!openDialogs_->open.empty()) {
    wxDialog* dialog = openDialogs_->open.back();
    if (dialog->IsModal())
      dialog->EndModal(wxID_CANCEL);
    else
      Platform::EndNativeDialog(*dialog, false);
    CallAfter([this] { EndUnattended(); });
    return;
  }
  if (main_)
    main_->Close(true);
  else
    ExitMainLoop();
}

}  // namespace PardeloStravon
