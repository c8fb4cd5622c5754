#pragma once
// The standard part of an open document: the modified flag, logins and
// passwords, the language, two settings of the program form, the network
// options, the GUI task queue, the serial trace and the worker threads.
// It is the document as the network sees it (DocServices) and as the
// threads' owner sees it (WorkerHost), and the only bridge from worker
// threads to the windows: they hand GUI tasks to PostToGui, and the GUI
// thread runs them when command 136 reaches the document.
#include <cstddef>
#include <cstdint>
#include <string>

#include "foundation/core/ImmPtr.h"
#include "network/DocServices.h"
#include "network/threads/ThreadSafePriorityQueue.h"
#include "network/threads/ThreadTimings.h"
#include "network/threads/WorkerThreads.h"

namespace PardeloStravon {

class QziDocF;
class NetPauseGuard;

typedef ThreadSafePriorityQueue GuiTaskQueue;

// What begins every line of the serial trace: the local time of day and "_ ".
std::wstring TraceTimePrefix();

class QziDocIStd : public DocServices, public WorkerHost {
 public:
  struct Impl;

  // Builds the part with no thread running; the threads run with `timings`
  // once StartThreads is called.
  explicit QziDocIStd(QziDocF* pF, const ThreadTimings& timings = ThreadTimings());
  // Takes the shutdown step unless it was taken.
  ~QziDocIStd() override;

  QziDocF* GetF() const;

  bool IsModified() const;
  void SetModified(bool modified) override;

  bool IsUserLogged() const;
  bool IsSupLogged() const;
  // Neither marks the document modified.
  void SetUserLogged(bool logged);
  void SetSupLogged(bool logged);

  std::size_t GetLanguage() const;
  // Marks the document modified, stores the index, makes it current and
  // tells the views (dsLanguage). An index past the last language is kept
  // while the dictionary shows language 0.
  void SetLanguage(std::size_t language);
  // Makes the stored language current and re-applies the application's texts.
  void ApplyLanguage() override;

  std::wstring GetPass() const;
  std::wstring GetPassSup() const;
  // Both mark the document modified, also when the password is the same.
  void SetPass(const std::wstring& pass);
  void SetPassSup(const std::wstring& pass);
  // Asks for the stored user (supervisor) password; whether it was given.
  bool CheckPass();
  bool CheckPassSup();

  // The caller marks the document modified.
  int GetPrgRows() const;
  void SetPrgRows(int rows);
  bool GetTmDhms() const;
  void SetTmDhms(bool dhms);

  InstrNetOpt& NetOpt() override;
  const InstrNetOpt& NetOpt() const override;

  bool IsStopped() const override;
  bool IsClosing() const override;
  bool IsExecRestart() const override;
  bool SetExecRestart(bool restart) override;

  // Any thread. Dropped without a record from a retired executor's thread;
  // dropped and logged without a main window or when the queue refuses it.
  // Otherwise queued; command 136 is posted whenever there is a main window.
  void PostToGui(const GuiTask& task) override;
  // GUI thread: runs the queued tasks, also those queued meanwhile; false
  // when none ran. A task's exception passes through; the tasks behind it
  // wait for the next call.
  bool RunGuiTasks() override;

  // Pauses the network for the guard's lifetime.
  NetPauseGuard PauseNet();

  // GUI thread. True when old lines were discarded to take the text.
  bool TraceAppend(const std::wstring& text) override;
  int TraceLineCount() const;
  // Lines the trace ever discarded to make room.
  std::uint64_t TraceDiscardedCount() const;
  // Throws std::out_of_range past the end.
  const std::wstring& TraceLine(int i) const;

  // Any thread: a copy of the document's path, empty before it was saved.
  std::wstring DocPathName() const override;
  // GUI thread, whenever the document's path changes.
  void SetDocPath(const std::wstring& path);

  void NewGraphic(int address, std::time_t from, std::time_t to, bool follow, bool print) override;
  // Under the wait cursor.
  bool PrintGraphic(int address, std::time_t from, std::time_t to) override;
  void OpenSettingsForm(int address) override;
  void ShowMessageBox(const std::wstring& text) override;

  // For the threads' owner.
  void SetClosing(bool closing) override;
  void SetStopped() override;

  // Starts the worker threads, once the content is complete. Refused after
  // a shutdown or a second time.
  void StartThreads();
  bool ThreadsStarted() const;
  // The wait before closing, the stop flag, the joins, then the serial
  // trace sink let go of this document. Without threads only the closing
  // and stop flags are set. Does nothing the second time.
  void ShutDown();

  // The data, for the document's file formats.
  Impl& GetImpl();
  const Impl& GetImpl() const;

 protected:
  void LegacyDocValues(LegacyArchive& ar, int version, bool keep) override;

 private:
  friend class NetPauseGuard;
  ImmScoped<Impl> pImpl_;
};

// While it lives the network is paused: the executor does no periodic work
// and the tick posts nothing. Building it waits (running GUI tasks) until
// the executor is idle, at most the close-wait limit; it never throws.
class NetPauseGuard {
 public:
  explicit NetPauseGuard(QziDocIStd::Impl* impl);
  NetPauseGuard(NetPauseGuard&& other) noexcept;
  NetPauseGuard& operator=(NetPauseGuard&&) = delete;
  NetPauseGuard(const NetPauseGuard&) = delete;
  NetPauseGuard& operator=(const NetPauseGuard&) = delete;
  // Resumes the network, also after a wait that ran out.
  ~NetPauseGuard();

  // Whether the network went idle before the limit.
  bool NetworkIdle() const { return idle_; }

 private:
  QziDocIStd::Impl* impl_;
  bool idle_;
};

}  // namespace PardeloStravon
