#pragma once
// The application: start-up in a fixed order, the main loop that outlives
// any stray exception, the close rules while a document is open, and the
// shutdown that always ends with the stop line.
#include <wx/app.h>

#include <memory>
#include <optional>
#include <string>

#include "app/AppShell.h"
#include "app/TheAppF.h"
#include "foundation/core/ImmPtr.h"
#include "views/commands/CommandDialogRunners.h"
#include "views/commands/WindowViewServices.h"

class wxSingleInstanceChecker;
class wxFileConfig;
class wxTimer;

namespace PardeloStravon {

class CSplash;
class LogFiles;
class MainFrame;
class QziDocManager;

class TheApp : public wxApp {
 public:
  TheApp();
  ~TheApp() override;

  ImmScoped<TheAppF>& GetF() { return pF_; }

  // The toolkit's entries: OnInit runs InitInstance, OnExit ExitInstance;
  // the main loop's exception hook writes its record, beeps and goes on.
  bool OnInit() override;
  // The main loop, or at once the status of a print run that has ended.
  int OnRun() override;
  int OnExit() override;
  bool OnExceptionInMainLoop() override;
  void OnUnhandledException() override;

  // InitInstance under the start-up's own exception handler: a failure is
  // recorded, shown, and ends in ExitInstance.
  bool StartUp();
  bool Running() const { return running_; }
  bool InitInstance();
  int ExitInstance();
  // Whether another instance of the program holds the lock; the first
  // answer is kept.
  bool CheckSingleInstance();

  // Ends the program without the user (a signal, the session's end): an
  // open document closes without questions, then the loop ends.
  void EndUnattended();

  MainFrame* Main() const { return main_; }
  AppShell& Shell() { return shell_; }
  QziDocManager* DocManager() const { return manager_; }
  CSplash* Splash() const { return splash_; }

  // Tests start the program on a folder of their own.
  static void OverrideProgramFolder(const std::wstring& folder);

 private:
  bool Fail();
  void RecordInitError(const std::wstring& what, bool standard);
  void OnDropFiles(wxDropFilesEvent& event);
  static void OnSignal(int signal);

  ImmScoped<TheAppF> pF_;
  std::unique_ptr<wxSingleInstanceChecker> instance_;
  std::optional<bool> anotherInstance_;
  std::unique_ptr<LogFiles> logs_;
  std::unique_ptr<wxTimer> logTick_;
  std::unique_ptr<wxFileConfig> profile_;
  QziDocManager* manager_ = nullptr;
  MainFrame* main_ = nullptr;
  CSplash* splash_ = nullptr;
  AppShell shell_;
  WindowViewServices views_;
  CommandDialogRunners dialogs_;
  bool running_ = false;
  // Set once a print from the command line has run.
  std::optional<int> printStatus_;
  struct OpenDialogs;
  std::unique_ptr<OpenDialogs> openDialogs_;
};

// The application object while it exists.
extern TheApp* theApp;

}  // namespace PardeloStravon
