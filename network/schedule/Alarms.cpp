#include "network/schedule/Alarms.h"

#include "foundation/core/Duration.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/schedule/OuterScripts.h"

namespace PardeloStravon {
namespace {

template <typename NodePass>
bool FirstReporting(InstrNetOpt& options, const std::wstring& folder, NodePass pass) {
  if (!options.RxEnabled()) return false;
  InstrNet& net = options.Network();
  for (auto h = net.Begin(); !(h == net.End()); h = net.Next(h)) {
    if (pass(h->second, h->first, folder)) return true;
  }
  return false;
}

int AlarmCodeOf(const Node& node) { return AlarmCode(node.Type().Pars(), node.Values()); }

}  // namespace

bool InstrAlarmPass(InstrNetOpt& options, const std::wstring& folder) {
  return FirstReporting(options, folder, NodeInstrAlarm);
}

bool LinkAlarmPass(InstrNetOpt& options, const std::wstring& folder) {
  return FirstReporting(options, folder, NodeLinkAlarm);
}

bool NodeInstrAlarm(Node& node, int address, const std::wstring& folder) {
  const NodeSt st = node.State();
  const int code = AlarmCodeOf(node);
  if (st.link_ != Node::yes_link) return false;
  if (code == st.alarm_) return false;
  // A clearing report carries the number of the alarm that cleared.
  const int number = code != 0 ? code : st.alarm_.get();
  SendAlarm(code != 0, alarmInstr, address, node.Opt().nm_, number, node.Type().AlarmText(number),
            folder);
  node.UpdateState([code](NodeSt& own) { own.alarm_ = code; });
  return true;
}

bool NodeLinkAlarm(Node& node, int address, const std::wstring& folder) {
  const NodeSt st = node.State();
  const bool lost = st.link_ == Node::no_link || st.link_ == Node::lost_link;
  if (!node.Opt().actOnLinkAlarm_) return false;
  if (lost == st.linkAlarm_) return false;
  const int code = AlarmCodeOf(node);
  SendAlarm(lost, alarmLink, address, node.Opt().nm_, code, node.Type().AlarmText(code), folder);
  node.UpdateState([lost](NodeSt& own) { own.linkAlarm_ = lost; });
  return true;
}

bool IsNetBlackout(const InstrNetOpt& options) {
  const InstrNet& net = options.Network();
  // The watchdog walks the network while the GUI thread may be adding or
  // removing an instrument: the network's lock keeps the walk whole.
  RecordGuard guard(*net.Lock());
  bool any = false;
  for (auto h = net.Begin(); !(h == net.End()); h = net.Next(h)) {
    const NodeOpt& opt = h->second.Opt();
    if (!(opt.act_ && opt.xr_)) continue;
    const Node::InstrLink link = h->second.State().link_;
    if (link == Node::to_check || link == Node::yes_link) return false;
    any = true;
  }
  return any;
}

bool NetBlackoutAlarm(InstrNetOpt& options, const std::wstring& folder) {
  const NetOptRecord opt = options.Options();
  const NetStateRecord st = options.NetState();
  std::time_t deadline = st.netAlarmDeadline_;
  const bool raised = DeadlineReached(IsNetBlackout(options) && opt.onNetAlarm_, deadline,
                                      opt.intNetAlarm_);
  options.UpdateNetState(
      [deadline](NetStateRecord& own) { own.netAlarmDeadline_ = static_cast<long>(deadline); });

  if (!opt.onNetAlarm_) return false;
  if (raised == st.netAlarm_) return raised;
  SendAlarm(raised, alarmNet, 0, L"", 0, L"", folder);
  options.UpdateNetState([raised](NetStateRecord& own) { own.netAlarm_ = raised; });
  return raised;
}

}  // namespace PardeloStravon
