#include "network/serial/TroubleshootHook.h"

#include <mutex>

#include "foundation/core/LogChannel.h"
#include "network/DocServices.h"
#include "network/nodes/InstrNetOpt.h"

namespace PardeloStravon {
namespace {

// Where the sink sends its texts. The sink object itself never changes, so
// a thread may report through it while another binds it anew.
struct TraceTarget {
  const InstrNetOpt* options = nullptr;
  const GuiPoster* poster = nullptr;
};

std::mutex targetMutex;
TraceTarget target;

TraceTarget CurrentTarget() {
  std::lock_guard<std::mutex> lock(targetMutex);
  return target;
}

}  // namespace

const SerComm::SerialLogSink* TroubleshootHook(const InstrNetOpt* options, const GuiPoster* poster,
                                               bool rebind) {
  // Texts reported before the first binding are dropped.
  static const SerComm::SerialLogSink sink = [](SerComm::ActionType kind, std::wstring text) {
    const TraceTarget t = CurrentTarget();
    if (t.options && t.poster) PostTrace(t.options, t.poster, kind, text);
  };
  if (rebind) {
    std::lock_guard<std::mutex> lock(targetMutex);
    target = TraceTarget{options, poster};
  }
  return &sink;
}

void PostTrace(const InstrNetOpt* options, const GuiPoster* poster, SerComm::ActionType kind,
               const std::wstring& text) {
  if (!options->TroubleshootSerial()) return;
  (*poster)([options, kind, text] { WriteTrace(options, kind, text); });
}

void WriteTrace(const InstrNetOpt* options, SerComm::ActionType /*kind*/,
                const std::wstring& text) {
  SerCommLog << text;
  DocServices& doc = *options->Doc();
  const bool dropped = doc.TraceAppend(text);
  doc.EmitDocSignal(0, dropped ? dsTraceLine : dsTraceText);
}

}  // namespace PardeloStravon
