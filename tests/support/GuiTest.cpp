#include <gtest/gtest.h>

#include "tests/support/GuiTest.h"

#include <wx/app.h>
#include <wx/imagpng.h>
#include <wx/timer.h>
#include <wx/modalhook.h>

#include <cstdlib>
#include <sstream>

#include "platform/gui/CommandIds.h"
#include "platform/gui/WindowImage.h"

namespace TestSupport {

std::filesystem::path ArtifactDir() {
  const std::filesystem::path dir = VANTOR_TEST_ARTIFACT_DIR;
  std::filesystem::create_directories(dir);
  return dir;
}

void PumpEvents() {
  for (int round = 0; round < 5; ++round) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
  }
}

namespace {

// Gives the X server and the toolkit time to map and paint new windows.
void LetPaint() {
  for (int round = 0; round < 10; ++round) {
    PumpEvents();
    wxMilliSleep(20);
  }
}

std::filesystem::path Import(const std::string& name, const std::string& crop) {
  const std::filesystem::path file = ArtifactDir() / (name + ".png");
  std::filesystem::remove(file);
  const std::string command = "import -window root " + crop + " '" + file.string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0 || !std::filesystem::exists(file)) return {};
  return file;
}

}  // namespace

std::filesystem::path SaveScreenshot(const std::string& name) {
  LetPaint();
  return Import(name, "");
}

std::filesystem::path SaveWindowShot(wxWindow& window, const std::string& name) {
  // The toolkit initialises a dialog again at every Show.
  if (!window.IsShown()) window.Show();
  window.Raise();
  window.Update();
  LetPaint();
  // Drawn in memory, so the windows of tests running beside this one on the
  // shared display do not come into it; the screen is the fallback.
  const wxImage drawn = Platform::WindowImage(window);
  if (drawn.IsOk()) {
    const std::filesystem::path file = ArtifactDir() / (name + ".png");
    std::filesystem::remove(file);
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    if (drawn.SaveFile(wxString(file.string()), wxBITMAP_TYPE_PNG)) return file;
  }
  const wxRect r = window.GetScreenRect();
  std::ostringstream crop;
  crop << "-crop " << r.width << 'x' << r.height << '+' << r.x << '+' << r.y << " +repage";
  return Import(name, crop.str());
}

// The toolkit tells the hook of every modal dialog, native ones included
// (which are not among its top-level windows); the timer acts once that
// dialog's loop runs.
struct ModalDriver::Impl : wxEvtHandler, wxModalDialogHook {
  std::function<void(wxDialog&)> act;
  std::chrono::steady_clock::time_point deadline;
  wxTimer timer;
  wxDialog* open = nullptr;
  bool acted = false;

  Impl(std::function<void(wxDialog&)> a, std::chrono::milliseconds limit)
      : act(std::move(a)), deadline(std::chrono::steady_clock::now() + limit), timer(this) {
    Bind(wxEVT_TIMER, &Impl::OnTimer, this);
    Register();
    timer.Start(20);
  }
  ~Impl() override {
    timer.Stop();
    Unregister();
  }

  int Enter(wxDialog* dialog) override {
    open = dialog;
    return wxID_NONE;
  }
  void Exit(wxDialog* dialog) override {
    if (open == dialog) open = nullptr;
  }

  void OnTimer(wxTimerEvent&) {
    if (open == nullptr) return;
    if (!acted) {
      acted = true;
      act(*open);
    } else if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "A modal dialog stayed open: cancelled";
      open->EndModal(wxID_CANCEL);
    }
  }
};

ModalDriver::ModalDriver(std::function<void(wxDialog&)> act, std::chrono::milliseconds limit)
    : impl_(new Impl(std::move(act), limit)) {}

ModalDriver::~ModalDriver() { delete impl_; }

bool ModalDriver::Acted() const { return impl_->acted; }

void ClickButton(wxWindow& dialog, int systemId) {
  const int id = Platform::ToWxId(systemId);
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(dialog.FindWindow(id));
  dialog.GetEventHandler()->ProcessEvent(click);
}

void PressKey(wxWindow& window, int keyCode) {
  wxKeyEvent key(wxEVT_CHAR_HOOK);
  key.m_keyCode = keyCode;
  key.SetEventObject(&window);
  window.GetEventHandler()->ProcessEvent(key);
}

}  // namespace TestSupport
