#include "app/CSplash.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/utils.h>

#include "app/CCommandLineInfoEx.h"
#include "app/SplashRule.h"

namespace PardeloStravon {

CSplashWnd::CSplashWnd(CSplash* owner) : owner_(owner), timer_(this, 1) {}

CSplashWnd::~CSplashWnd() {
  timer_.Stop();
  // The main window comes forward once the splash is gone.
  if (owner_ && owner_->MainWindowExists())
    if (wxWindow* main = wxTheApp ? wxTheApp->GetTopWindow() : nullptr)
      if (main != this) main->Raise();
  if (owner_) owner_->WindowGone();
}

bool CSplashWnd::Create(int bitmap, unsigned minimumMs, unsigned flags) {
  if (!m_dib.Load(static_cast<unsigned>(bitmap))) return false;
  minimumMs_ = minimumMs;
  flags_ = flags;
  if (!wxFrame::Create(nullptr, wxID_ANY, wxString(), wxDefaultPosition, m_dib.GetSize(),
                       wxBORDER_NONE | wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP | wxWANTS_CHARS))
    return false;
  SetMinClientSize(m_dib.GetSize());
  SetSize(m_dib.GetSize());
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &CSplashWnd::OnPaint, this);
  Bind(wxEVT_TIMER, &CSplashWnd::OnTimer, this);
  for (auto type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN})
    Bind(type, [this](wxMouseEvent& e) { OnInput(e); });
  for (auto type : {wxEVT_KEY_DOWN, wxEVT_CHAR_HOOK}) Bind(type, [this](wxKeyEvent& e) { OnInput(e); });
  CentreOnScreen();
  Show();
  Raise();
  shown_ = std::chrono::steady_clock::now();
  if (minimumMs_ != SplashNoTimer) timer_.StartOnce(static_cast<int>(minimumMs_));
  return true;
}

void CSplashWnd::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  m_dib.Draw(dc);
  painted_ = true;
}

void CSplashWnd::CheckClose() {
  if (closing_) return;
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - shown_);
  switch (SplashRule(static_cast<unsigned>(elapsed.count()), minimumMs_, owner_ && owner_->MainWindowExists(),
                     flags_)) {
    case SplashStep::close:
      closing_ = true;
      Destroy();
      break;
    case SplashStep::checkAgain:
      timer_.StartOnce(static_cast<int>(SplashCheckPeriodMs));
      break;
    case SplashStep::wait:
      break;
  }
}

void CSplashWnd::OnTimer(wxTimerEvent&) { CheckClose(); }

void CSplashWnd::OnInput(wxEvent& event) {
  if (!(flags_ & SplashCloseOnInput)) {
    event.Skip();
    return;
  }
  if (!closing_) {
    closing_ = true;
    timer_.Stop();
    Destroy();
  }
}

CSplash::CSplash(int bitmap, unsigned minimumMs, unsigned flags, CSplash** backPointer, MainWindowQuery query)
    : backPointer_(backPointer), bitmap_(bitmap), minimumMs_(minimumMs), flags_(flags),
      mainWindowExists_(std::move(query)) {}

CSplash::~CSplash() {
  if (window_) {
    CSplashWnd* window = window_;
    window_ = nullptr;
    window->Detach();
    window->Destroy();
  }
  if (backPointer_) *backPointer_ = nullptr;
}

CSplash* CSplash::Start(int bitmap, unsigned minimumMs, unsigned flags, CSplash** backPointer,
                        MainWindowQuery mainWindowExists) {
  auto* splash = new CSplash(bitmap, minimumMs, flags, backPointer, std::move(mainWindowExists));
  if (backPointer) *backPointer = splash;
  if (!splash->InitInstance()) {
    delete splash;
    return nullptr;
  }
  return splash;
}

bool CSplash::InitInstance() {
  if (!(flags_ & SplashIgnoreCommandLine)) {
    CCommandLineInfoEx cmdInfo;
    cmdInfo.Parse(ApplicationArguments());
    if (!cmdInfo.ShowSplash() || cmdInfo.HasOption(L"nologo")) return false;
  }
  window_ = CreateSplashWnd(bitmap_, minimumMs_, flags_);
  if (!window_) return false;
  // Painted once now: the tables load on this thread next.
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
  while (window_ && !window_->Painted() && std::chrono::steady_clock::now() < until) {
    window_->Update();
    wxTheApp->Yield(true);
    wxMilliSleep(5);
  }
  return window_ != nullptr;
}

CSplashWnd* CSplash::CreateSplashWnd(int bitmap, unsigned minimumMs, unsigned flags) {
  auto* window = new CSplashWnd(this);
  if (!window->Create(bitmap, minimumMs, flags)) {
    window->Detach();
    if (window->GetHandle()) window->Destroy();
    else delete window;
    return nullptr;
  }
  return window;
}

void CSplash::CloseNow() {
  if (window_) window_->Destroy();
}

void CSplash::WindowGone() {
  window_ = nullptr;
  if (backPointer_) *backPointer_ = nullptr;
  backPointer_ = nullptr;
  // The object goes with its window, once the toolkit is done with it.
  if (wxTheApp) wxTheApp->CallAfter([this] { delete this; });
  else delete this;
}

}  // namespace PardeloStravon
