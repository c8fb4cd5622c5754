#pragma once
// The data of the standard part, in the order they are built; they are
// destroyed the other way, the threads first.
#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>

#include "document/GuiTaskDrops.h"
#include "document/QziDocIStd.h"
#include "foundation/core/Defaults.h"
#include "foundation/core/NoInit.h"
#include "foundation/core/TextLineBuffer.h"
#include "network/nodes/InstrNetOpt.h"

namespace PardeloStravon {

struct QziDocIStd::Impl {
  Impl(QziDocIStd* owner, QziDocF* pF, const ThreadTimings& timings);
  ~Impl();

  bool modified_ = false;
  bool userLogged_ = false;
  bool supLogged_ = false;
  std::wstring pass_;
  std::wstring passSup_;
  std::size_t lng_;  // may lie past the last language
  NoInitS<int, CI_Prg_Rows> prgRows_;
  NoInitS<bool, CB_Time_As_ddhhmmss> tm_dhms_;
  // Written on the GUI thread (the watchdog writes the restart request),
  // read by the worker threads at every turn.
  std::atomic<bool> closing_{false};
  std::atomic<bool> stop_{false};
  std::atomic<bool> execRestart_{false};
  QziDocF* pF_;
  // The document signal is the DocServices base's.
  std::unique_ptr<GuiTaskQueue> guiTasks_;
  std::unique_ptr<TextLineBuffer> serTrace_;
  std::unique_ptr<InstrNetOpt> netOpt_;

  // Read by worker threads while Save As may change it: copied under the lock.
  mutable std::mutex pathMutex_;
  std::wstring path_;
  GuiTaskDrops drops_;
  QziDocIStd* owner_;
  ThreadTimings timings_;
  bool shutDown_ = false;
  // Last: stopped and joined before anything above goes.
  std::unique_ptr<WorkerThreads> threads_;
};

}  // namespace PardeloStravon
