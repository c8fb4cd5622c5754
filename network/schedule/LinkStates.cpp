#include "network/schedule/LinkStates.h"

#include "foundation/core/Clock.h"
#include "foundation/core/Duration.h"
#include "network/serial/InstrumentOperations.h"

namespace PardeloStravon {
void NextLinkState(NodeSt& st, bool answered, long lostLinkDelay) {
  if (answered) {
    st.link_ = Node::yes_link;
    return;
  }
  const Node::InstrLink link = st.link_;
  const bool answeredBefore = link == Node::yes_link || link == Node::int_link;
  switch (link) {
    case Node::to_check:
    case Node::yes_link:
      st.linkDeadline_ = static_cast<long>(TimePlus(Now(), lostLinkDelay));
      [[fallthrough]];
    case Node::not_yet:
    case Node::int_link:
      if (Now() >= st.linkDeadline_)
        st.link_ = answeredBefore ? Node::lost_link : Node::no_link;
      else
        st.link_ = answeredBefore ? Node::int_link : Node::not_yet;
      break;
    case Node::no_link:
    case Node::lost_link:
      break;
  }
}

bool ReadingsExchange(const NodeOpt& opt, NodeSt& st, const InstrPars& pars, int address,
                      InstrParValues& values, const SerComm::SerialLogSink* sink) {
  const bool answered = ReceiveReadings(address, pars, values, sink);
  NextLinkState(st, answered, opt.lostLinkDelay_);
  return answered;
}

bool SettingsExchange(const NodeOpt& opt, NodeSt& st, const InstrPars& pars, int address,
                      InstrParValues& values, const SerComm::SerialLogSink* sink) {
  const bool answered = ReceiveSettings(address, pars, values, sink);
  NextLinkState(st, answered, opt.lostLinkDelay_);
  return answered;
}

}  // namespace PardeloStravon
