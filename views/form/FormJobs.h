#pragma once
// The settings form's three requests of one instrument: receive its
// readings, receive its settings, send it settings.
//
// The form pushes a job; the executor runs it at the start of a turn. On
// the serial thread a job takes of the node only its type (the catalogue's,
// alive for the run) and who it is (RefOf), talks to the instrument with the
// current serial log sink and posts its completion. On the GUI thread the
// completion finds the node again (FindNode): a node erased meanwhile, or
// erased and added again at the same address, gets nothing stored and no
// signal. Otherwise it stores the values only on success, emits the
// document signal with the address and the outcome, and then tells whoever
// asked. A request never touches the link state, the schedule or the
// recording files.
#include <functional>

#include "foundation/catalogue/Frames.h"
#include "network/DocSignal.h"
#include "network/schedule/PeriodicActions.h"

namespace PardeloStravon {

class DocServices;
class InstrNetOpt;

// Who asked hears the outcome on the GUI thread, after the signal: the
// address, the signal emitted (dsRxOk/dsRxKo, dsRyOk/dsRyKo, dsTyOk/dsTyKo)
// and whether the exchange succeeded. Not called when the node is gone. It
// may be empty; one that refers to a window must itself check that the
// window still exists, since the form that asked may be closed by then. It
// travels inside the job and is copied on the serial thread: it may hold
// only what can be copied there (no window, no toolkit object).
typedef std::function<void(int address, DocSignal signal, bool ok)> JobReply;

// GUI thread: builds the job and pushes it (InstrNetOpt::PushJob). A job
// the queue drops is lost silently: no traffic, no signal, no reply.
void PushReceiveReadings(DocServices& doc, int address, const JobReply& reply = JobReply());
void PushReceiveSettings(DocServices& doc, int address, const JobReply& reply = JobReply());
// `settings`: one value per settable parameter of the node's type, in type
// order (SettableValues); the job writes the address into its own copy.
void PushSendSettings(DocServices& doc, int address, const InstrParValues& settings,
                      const JobReply& reply = JobReply());

// Serial executor thread: the jobs. True when the exchange succeeded. An
// absent node throws std::invalid_argument "Not present address in
// MAP::GetPresent" and posts nothing; the executor logs it.
bool ReceiveReadingsJob(InstrNetOpt* net, int address, const D2TFun_Fun_wrap& post,
                        const JobReply& reply = JobReply());
bool ReceiveSettingsJob(InstrNetOpt* net, int address, const D2TFun_Fun_wrap& post,
                        const JobReply& reply = JobReply());
bool SendSettingsJob(InstrNetOpt* net, int address, InstrParValues settings,
                     const D2TFun_Fun_wrap& post, const JobReply& reply = JobReply());

// GUI thread: the completions the jobs post. `values`: the values received,
// or the settings sent (address included).
void ReadingsReceived(const NodeRef& node, const ConnFun& emit, const InstrParValues& values,
                      bool ok, const JobReply& reply = JobReply());
void SettingsReceived(const NodeRef& node, const ConnFun& emit, const InstrParValues& values,
                      bool ok, const JobReply& reply = JobReply());
void SettingsSent(const NodeRef& node, const ConnFun& emit, const InstrParValues& values, bool ok,
                  const JobReply& reply = JobReply());

}  // namespace PardeloStravon
