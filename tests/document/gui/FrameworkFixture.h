#pragma once
// A main frame with the six templates over placeholder views (or the views
// a fixture names), a recording
// shell, answering view services and dialog doubles, the shipped tables and
// short thread timings; every document is closed again after the test.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "document/ShellServices.h"
#include "document/ViewServices.h"
#include "document/gui/CommandDialogs.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziDocManager.h"
#include "document/gui/WindowShell.h"
#include "foundation/core/LogChannel.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

namespace PardeloStravon {
class MainFrameBase;
}

namespace TestSupport {

class RecordingShell : public PardeloStravon::WindowShell {
 public:
  void ShowMessageBox(const std::wstring& text) override { boxes.push_back(text); }
  void Beep(PardeloStravon::BeepKind kind) override { beeps.push_back(kind); }
  std::vector<std::wstring> boxes;
  std::vector<PardeloStravon::BeepKind> beeps;
};

class ViewsDouble : public PardeloStravon::ViewServices {
 public:
  PardeloStravon::GphView* NewGraphic(PardeloStravon::QziDoc*, int address, std::time_t, std::time_t, bool,
                                      bool) override {
    graphs.push_back(address);
    return nullptr;
  }
  bool CheckPassword(const std::wstring& stored) override {
    if (stored.empty()) return true;
    ++asks;
    if (onAsk) onAsk();
    return answer;
  }
  void OpenSettingsForm(PardeloStravon::QziDoc*, int address) override { forms.push_back(address); }
  bool answer = false;
  int asks = 0;
  std::function<void()> onAsk;
  std::vector<int> graphs;
  std::vector<int> forms;
};

class FrameworkFixture : public testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // The templates' view classes: placeholders unless a fixture tests a
  // real view.
  virtual PardeloStravon::TheAppIMFC::ViewClasses ViewClasses() const;

  PardeloStravon::QziDoc* OpenDoc() const;
  int ChildCount() const;
  // A file of the document format with periodic reception and a user
  // password as asked.
  std::wstring WriteDocFile(const std::string& name, bool rx, const std::wstring& pass);

  PardeloStravon::QziDocManager* manager_ = nullptr;
  PardeloStravon::TheAppIMFC* templates_ = nullptr;
  PardeloStravon::MainFrameBase* main_ = nullptr;
  RecordingShell shell_;
  ViewsDouble views_;
  LogCapture errors_{PardeloStravon::ErrorLog};
  LogCapture activity_{PardeloStravon::ActivityLog};
  TempDir dir_;
};

}  // namespace TestSupport
