#pragma once
// Helpers of the window tests. The test binary holds one application object
// for the whole run (set up before the first test); a failed toolkit
// assertion fails the running test instead of opening a dialog.
#include <wx/dialog.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace TestSupport {

// The folder of test artifacts under the build folder, created on demand.
std::filesystem::path ArtifactDir();

// Runs pending events until nothing is left to do.
void PumpEvents();

// Shows the window, lets it paint and saves it as <name>.png in
// ArtifactDir: drawn by the toolkit in memory, or where that fails, cut
// from the virtual screen (ImageMagick's import). SaveScreenshot saves the
// whole screen, popup menus and other tests' windows included. Each returns
// the file, or an empty path when the picture could not be taken.
std::filesystem::path SaveWindowShot(wxWindow& window, const std::string& name);
std::filesystem::path SaveScreenshot(const std::string& name);

// Drives the next modal dialog without blocking the test: once a modal
// dialog is shown, calls act on it from inside its modal loop. act ends the
// dialog (EndModal, a button event, Close). A dialog still open after the
// time limit fails the test and is cancelled, so nothing hangs.
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(wxDialog&)> act,
                       std::chrono::milliseconds limit = std::chrono::seconds(20));
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // Whether act ran.
  bool Acted() const;

 private:
  struct Impl;
  Impl* impl_;
};

// Sends a button click with the system's control identifier to a dialog.
void ClickButton(wxWindow& dialog, int systemId);
// Sends the key as the toolkit delivers it before any control sees it.
void PressKey(wxWindow& window, int keyCode);

}  // namespace TestSupport
