#pragma once
// The splash window: the product bitmap in a borderless window in the middle
// of the screen while the monitor starts. It lives on the GUI thread (the
// toolkit has one), so it is painted once before the tables load and cannot
// repaint while they do; it closes itself by its rule.
#include <wx/frame.h>
#include <wx/timer.h>

#include <chrono>
#include <functional>

#include "app/CDib.h"

namespace PardeloStravon {

class CSplash;

class CSplashWnd : public wxFrame {
 public:
  explicit CSplashWnd(CSplash* owner);
  ~CSplashWnd() override;

  // False when the bitmap cannot be loaded or the window not made.
  virtual bool Create(int bitmap, unsigned minimumMs, unsigned flags);
  bool Painted() const { return painted_; }
  unsigned Flags() const { return flags_; }

  // The timer's check, also for tests: closes the window when the rule says so.
  void CheckClose();
  // The owner goes first: the window no longer reports to it.
  void Detach() { owner_ = nullptr; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnInput(wxEvent& event);

  CSplash* owner_;
  CDib m_dib;
  unsigned minimumMs_ = 0;
  unsigned flags_ = 0;
  wxTimer timer_;
  std::chrono::steady_clock::time_point shown_;
  bool painted_ = false;
  bool closing_ = false;
};

class CSplash {
 public:
  // Whether the application's main window exists (read by the rule).
  using MainWindowQuery = std::function<bool()>;

  // Starts at once: consults the command line (unless flag 2), shows the
  // window and returns it, or deletes itself and returns null when no
  // splash is shown. backPointer, when given, holds the object and is
  // cleared when it goes.
  static CSplash* Start(int bitmap, unsigned minimumMs, unsigned flags, CSplash** backPointer,
                        MainWindowQuery mainWindowExists);
  virtual ~CSplash();

  virtual CSplashWnd* CreateSplashWnd(int bitmap, unsigned minimumMs, unsigned flags);
  CSplashWnd* Window() const { return window_; }
  bool MainWindowExists() const { return mainWindowExists_ && mainWindowExists_(); }
  // Closes the window now (a start-up message box must not lie under it).
  void CloseNow();

 private:
  friend class CSplashWnd;
  CSplash(int bitmap, unsigned minimumMs, unsigned flags, CSplash** backPointer, MainWindowQuery query);
  bool InitInstance();
  void WindowGone();

  CSplash** backPointer_;
  int bitmap_;
  unsigned minimumMs_;
  unsigned flags_;
  MainWindowQuery mainWindowExists_;
  CSplashWnd* window_ = nullptr;
};

}  // namespace PardeloStravon
