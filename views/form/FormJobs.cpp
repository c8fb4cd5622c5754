#include "views/form/FormJobs.h"

#include "foundation/catalogue/InstrTable.h"
#include "network/DocServices.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/RecordLock.h"
#include "network/serial/InstrumentOperations.h"
#include "network/serial/TroubleshootHook.h"

namespace PardeloStravon {
namespace {

typedef void (*Completion)(const NodeRef&, const ConnFun&, const InstrParValues&, bool,
                           const JobReply&);

// What tells the three requests apart.
struct Request {
  InstrPars (*pars)(const InstrPars&);
  bool receives;  // the values start empty and come from the instrument
  bool (*exchange)(int, const InstrPars&, InstrParValues&, const SerComm::SerialLogSink*);
  Completion complete;
};

bool SendExchange(int address, const InstrPars& pars, InstrParValues& values,
                  const SerComm::SerialLogSink* sink) {
  SetNetAddress(pars, values, address);
  return SendSettings(address, pars, values, sink);
}

const Request Readings{ReadablePars, true, ReceiveReadings, ReadingsReceived};
const Request Settings{SettablePars, true, ReceiveSettings, SettingsReceived};
const Request Send{SettablePars, false, SendExchange, SettingsSent};

// What the serial thread takes of the node: its type and who it is. The set
// of nodes changes only under the record lock, so the node cannot go while
// they are read; an absent address throws as GetPresent does.
struct NodeTaken {
  const Instr* type;
  NodeRef ref;
};

NodeTaken TakeNode(InstrNetOpt& net, int address) {
  InstrNet& network = net.Network();
  const SharedRecordLock lock = network.Lock();  // a copy: ShareLock may replace it
  RecordGuard guard(*lock);
  const Node& node = network.GetPresent(address);
  return NodeTaken{&node.Type(), RefOf(network, address, node)};
}

bool RunJob(const Request& request, InstrNetOpt* net, int address, InstrParValues values,
            const D2TFun_Fun_wrap& post, const JobReply& reply) {
  const NodeTaken taken = TakeNode(*net, address);
  const InstrPars pars = request.pars(taken.type->Pars());
  if (request.receives) values = DefaultValues(pars);
  const bool ok =
      request.exchange(address, pars, values, TroubleshootHook(nullptr, nullptr, false));
  const ConnFun emit = MakeConnFun(*net->Doc());
  const NodeRef ref = taken.ref;
  const Completion complete = request.complete;
  post([=] { complete(ref, emit, values, ok, reply); });
  return ok;
}

void Complete(const NodeRef& ref, const ConnFun& emit, const InstrParValues& values, bool ok,
              const JobReply& reply, bool readings, DocSignal okSignal, DocSignal koSignal) {
  Node* node = FindNode(ref);
  if (!node) return;
  if (ok) {
    if (readings)
      node->LatestReadings(values);
    else
      node->LatestSettings(values);
  }
  const DocSignal signal = ok ? okSignal : koSignal;
  emit(ref.address_, signal);
  if (reply) reply(ref.address_, signal, ok);
}

void Push(DocServices& doc, const SerialJob& job) { doc.NetOpt().PushJob(job); }

}  // namespace

void PushReceiveReadings(DocServices& doc, int address, const JobReply& reply) {
  InstrNetOpt* net = &doc.NetOpt();
  const D2TFun_Fun_wrap post(doc.GetGuiPoster());
  Push(doc, [=] { ReceiveReadingsJob(net, address, post, reply); });
}

void PushReceiveSettings(DocServices& doc, int address, const JobReply& reply) {
  InstrNetOpt* net = &doc.NetOpt();
  const D2TFun_Fun_wrap post(doc.GetGuiPoster());
  Push(doc, [=] { ReceiveSettingsJob(net, address, post, reply); });
}

void PushSendSettings(DocServices& doc, int address, const InstrParValues& settings,
                      const JobReply& reply) {
  InstrNetOpt* net = &doc.NetOpt();
  const D2TFun_Fun_wrap post(doc.GetGuiPoster());
  Push(doc, [=] { SendSettingsJob(net, address, settings, post, reply); });
}

bool ReceiveReadingsJob(InstrNetOpt* net, int address, const D2TFun_Fun_wrap& post,
                        const JobReply& reply) {
  return RunJob(Readings, net, address, {}, post, reply);
}

bool ReceiveSettingsJob(InstrNetOpt* net, int address, const D2TFun_Fun_wrap& post,
                        const JobReply& reply) {
  return RunJob(Settings, net, address, {}, post, reply);
}

bool SendSettingsJob(InstrNetOpt* net, int address, InstrParValues settings,
                     const D2TFun_Fun_wrap& post, const JobReply& reply) {
  return RunJob(Send, net, address, std::move(settings), post, reply);
}

void ReadingsReceived(const NodeRef& node, const ConnFun& emit, const InstrParValues& values,
                      bool ok, const JobReply& reply) {
  Complete(node, emit, values, ok, reply, true, dsRxOk, dsRxKo);
}

void SettingsReceived(const NodeRef& node, const ConnFun& emit, const InstrParValues& values,
                      bool ok, const JobReply& reply) {
  Complete(node, emit, values, ok, reply, false, dsRyOk, dsRyKo);
}

void SettingsSent(const NodeRef& node, const ConnFun& emit, const InstrParValues& values, bool ok,
                  const JobReply& reply) {
  Complete(node, emit, values, ok, reply, false, dsTyOk, dsTyKo);
}

}  // namespace PardeloStravon
