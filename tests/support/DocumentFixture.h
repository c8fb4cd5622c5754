#pragma once
// The document's tests: the test thread plays the GUI thread. A shell double
// stands for the windows (it counts the commands 136 posted to it, and the
// test runs the document's GUI tasks whenever one arrived), a views double
// for the graphs, forms and password dialog.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "document/QziDocF.h"
#include "document/QziDocIStd.h"
#include "document/ShellServices.h"
#include "document/ViewServices.h"
#include "foundation/catalogue/Dictionary.h"
#include "tests/support/FastRun.h"
#include "tests/support/TestCatalogue.h"

namespace DocumentTest {

using TestSupport::FastThreadTimings;

using namespace std::chrono_literals;

class ShellDouble : public PardeloStravon::ShellServices {
 public:
  ShellDouble() : previous_(PardeloStravon::InstallShellServices(this)) {}
  ~ShellDouble() override { PardeloStravon::InstallShellServices(previous_); }
  ShellDouble(const ShellDouble&) = delete;
  ShellDouble& operator=(const ShellDouble&) = delete;

  bool HasMainWindow() const override { return mainWindow_.load(); }
  void PostRunGuiTasks() override { ++commands_; }
  void ApplyAppStrings() override {
    appStringLanguages_.push_back(PardeloStravon::CurrentLanguage());
    events_.push_back(L"app strings");
  }
  void ShowMessageBox(const std::wstring& text) override { messages_.push_back(text); }
  void Beep(PardeloStravon::BeepKind kind) override { beeps_.push_back(kind); }
  void BeginWaitCursor() override { ++waitDepth_; }
  void EndWaitCursor() override { --waitDepth_; }
  void RefreshAllText() override { ++refreshes_; }

  // The GUI thread's answer to command 136: when one arrived since the last
  // look, the document runs its tasks. Whether one had arrived.
  bool Pump(PardeloStravon::QziDocIStd& doc) {
    const int now = commands_.load();
    if (now == seen_) return false;
    seen_ = now;
    doc.RunGuiTasks();
    return true;
  }

  std::atomic<bool> mainWindow_{true};
  std::atomic<int> commands_{0};
  std::vector<std::size_t> appStringLanguages_;
  std::vector<std::wstring> events_;
  std::vector<std::wstring> messages_;
  std::vector<PardeloStravon::BeepKind> beeps_;
  int waitDepth_ = 0;
  int refreshes_ = 0;

 private:
  PardeloStravon::ShellServices* previous_;
  int seen_ = 0;
};

class ViewsDouble : public PardeloStravon::ViewServices {
 public:
  enum Answer { typedRight, typedWrong };
  struct Graph {
    PardeloStravon::QziDoc* doc;
    int address;
    std::time_t from;
    std::time_t to;
    bool follow;
    bool print;
    bool underWaitCursor;
  };

  explicit ViewsDouble(const ShellDouble& shell)
      : shell_(shell), previous_(PardeloStravon::InstallViewServices(this)) {}
  ~ViewsDouble() override { PardeloStravon::InstallViewServices(previous_); }
  ViewsDouble(const ViewsDouble&) = delete;
  ViewsDouble& operator=(const ViewsDouble&) = delete;

  PardeloStravon::GphView* NewGraphic(PardeloStravon::QziDoc* doc, int address, std::time_t from,
                                      std::time_t to, bool follow, bool print) override {
    graphs_.push_back({doc, address, from, to, follow, print, shell_.waitDepth_ > 0});
    return nullptr;
  }
  bool PrintGraphic(PardeloStravon::QziDoc* doc, int address, std::time_t from,
                    std::time_t to) override {
    prints_.push_back({doc, address, from, to, false, true, shell_.waitDepth_ > 0});
    return printed_;
  }
  void OpenSettingsForm(PardeloStravon::QziDoc* doc, int address) override {
    forms_.push_back({doc, address, 0, 0, false, false, false});
  }
  // As the password dialog: an empty stored password passes unasked.
  bool CheckPassword(const std::wstring& stored) override {
    asked_.push_back(stored);
    return stored.empty() || answer_ == typedRight;
  }

  Answer answer_ = typedWrong;
  bool printed_ = true;
  std::vector<Graph> graphs_;
  std::vector<Graph> prints_;
  std::vector<Graph> forms_;
  std::vector<std::wstring> asked_;

 private:
  const ShellDouble& shell_;
  PardeloStravon::ViewServices* previous_;
};

// An address only compared, never followed: the window layer's document
// does not exist here.
inline PardeloStravon::QziDoc* const FakeDoc =
    reinterpret_cast<PardeloStravon::QziDoc*>(static_cast<std::uintptr_t>(0x5eed0));

class DocumentFixture : public testing::Test {
 public:
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }

  void Make(const PardeloStravon::ThreadTimings& timings = FastThreadTimings()) {
    PardeloStravon::CreateContent(content_, FakeDoc, timings);
  }
  PardeloStravon::QziDocIStd& Std() { return *content_->GetIStd(); }

  // Plays the GUI thread until `done` holds; false after `limit`.
  bool RunGuiUntil(const std::function<bool()>& done, std::chrono::seconds limit = 30s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
      shell_.Pump(Std());
      if (done()) return true;
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(5ms);
    }
  }
  void RunGuiFor(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    RunGuiUntil([end] { return std::chrono::steady_clock::now() > end; });
  }

  ShellDouble shell_;
  ViewsDouble views_{shell_};
  PardeloStravon::ImmScoped<PardeloStravon::QziDocF> content_;
};

}  // namespace DocumentTest
