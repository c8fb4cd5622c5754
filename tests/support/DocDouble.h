#pragma once
// A stand-in for the open document: it owns real network options and
// records what the network side asks of the document, so tests can look.
#include <atomic>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "network/DocServices.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/threads/ThreadSafePriorityQueue.h"

namespace TestSupport {

class DocDouble : public PardeloStravon::DocServices {
 public:
  struct Graph {
    int address;
    std::time_t from;
    std::time_t to;
    bool follow;
    bool print;
  };

  DocDouble();
  ~DocDouble() override;

  PardeloStravon::InstrNetOpt& NetOpt() override { return *netOpt_; }
  const PardeloStravon::InstrNetOpt& NetOpt() const override { return *netOpt_; }

  bool IsStopped() const override { return stop_.load(); }
  bool IsClosing() const override { return closing_.load(); }
  bool IsExecRestart() const override { return execRestart_.load(); }
  bool SetExecRestart(bool restart) override { return execRestart_.exchange(restart); }

  // Queued as the document does; tests run them with RunGuiTasks. Without a
  // main window the task is dropped.
  void PostToGui(const PardeloStravon::GuiTask& task) override;
  bool RunGuiTasks() { return PardeloStravon::RunAll(guiTasks_); }

  bool TraceAppend(const std::wstring& text) override;
  void SetModified(bool modified) override { modified_ = modified; }
  std::wstring DocPathName() const override { return pathName_; }
  void NewGraphic(int address, std::time_t from, std::time_t to, bool follow,
                  bool print) override;
  bool PrintGraphic(int address, std::time_t from, std::time_t to) override;
  void OpenSettingsForm(int address) override { settingsForms_.push_back(address); }
  void ShowMessageBox(const std::wstring& text) override { messages_.push_back(text); }

  // What the double was asked; tests read and set these freely.
  std::atomic<bool> stop_{false};
  std::atomic<bool> closing_{false};
  std::atomic<bool> execRestart_{false};
  bool hasMainWindow_ = true;
  bool modified_ = false;
  std::wstring pathName_;
  std::vector<std::wstring> trace_;
  std::vector<Graph> graphs_;
  std::vector<Graph> prints_;
  std::vector<int> settingsForms_;
  std::vector<std::wstring> messages_;
  int languagesApplied_ = 0;
  // The document's own values of a legacy block; none unless a test sets it.
  std::function<void(PardeloStravon::LegacyArchive&, int, bool)> legacyValues_;

 protected:
  void LegacyDocValues(PardeloStravon::LegacyArchive& ar, int version, bool keep) override;
  void ApplyLanguage() override { ++languagesApplied_; }

 private:
  PardeloStravon::ThreadSafePriorityQueue guiTasks_{PardeloStravon::StandardQueueLockTime,
                                                     PardeloStravon::StandardQueueMaxSize};
  std::unique_ptr<PardeloStravon::InstrNetOpt> netOpt_;
};

}  // namespace TestSupport
