#pragma once
// The alarm passes on the GUI thread: an instrument reporting an alarm of
// its own, an instrument whose link is lost, the whole line falling silent.
// Each change of an alarm starts the alarm script once (raised or cleared);
// a pass starts at most one script per tick.
#include <string>

namespace PardeloStravon {

class InstrNetOpt;
class Node;

// Nothing while periodic reception is off. Walks the nodes in address order
// and stops at the first that reported; whether one did.
bool InstrAlarmPass(InstrNetOpt& options, const std::wstring& folder);
bool LinkAlarmPass(InstrNetOpt& options, const std::wstring& folder);

// Reports a change of the instrument's alarm code while its link is
// yes_link; the memory stays as it is while the link is down.
bool NodeInstrAlarm(Node& node, int address, const std::wstring& folder);
// Reports the link reaching or leaving no_link and lost_link, when the node
// acts on link alarms.
bool NodeLinkAlarm(Node& node, int address, const std::wstring& folder);

// True when at least one active node is read periodically and none of
// those is to_check or yes_link. GUI thread and watchdog; reads only.
bool IsNetBlackout(const InstrNetOpt& options);

// Raises the blackout alarm after intNetAlarm_ seconds of uninterrupted
// blackout and clears it at the first tick without one. False, reporting
// nothing, while the alarm is off; otherwise whether it stands.
bool NetBlackoutAlarm(InstrNetOpt& options, const std::wstring& folder);

}  // namespace PardeloStravon
