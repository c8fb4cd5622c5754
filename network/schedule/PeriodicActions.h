#pragma once
// The four serial actions of one node (x receive readings, y receive
// settings, g record readings, h record settings). Each starts on the
// executor: it advances the schedule, runs the exchange synchronously on a
// copy of the node's state and posts its completion to the GUI thread,
// which stores the link state and the values, records them (g, h) and
// announces the outcome through the document signal.
//
// A completion finds its node again by address and checks that it is still
// the node the action was started for: a node erased meanwhile, or erased
// and added again at the same address, is left alone.
#include <boost/function.hpp>
#include <cstdint>
#include <string>

#include "foundation/catalogue/Frames.h"
#include "network/DocSignal.h"
#include "network/nodes/InstrNet.h"
#include "network/serial/SerialPort.h"

namespace PardeloStravon {

class DocServices;

// Emits the document signal; copied into every completion and called on
// the GUI thread only.
struct ConnFun {
  boost::function<void(int, DocSignal)> fun_;

  void operator()(int address, DocSignal signal) const { fun_(address, signal); }
};

ConnFun MakeConnFun(DocServices& doc);

// One node of a network as an action saw it.
struct NodeRef {
  InstrNet* net_;
  int address_;
  std::uint64_t serial_;
};

NodeRef RefOf(InstrNet& net, int address, const Node& node);
// The node when it is still the one referred to; null otherwise.
Node* FindNode(const NodeRef& ref);

// Executor. True when the action ran (it was due, or asked for at start-up
// while the node holds no values of its kind), whatever the exchange gave.
bool StartX(InstrNet& net, Node& node, int address, const ConnFun& conn, const GuiPoster& poster,
            const SerComm::SerialLogSink* sink);
bool StartY(InstrNet& net, Node& node, int address, const ConnFun& conn, const GuiPoster& poster,
            const SerComm::SerialLogSink* sink);
bool StartG(InstrNet& net, Node& node, int address, const std::wstring& folder,
            const ConnFun& conn, const GuiPoster& poster, const SerComm::SerialLogSink* sink);
bool StartH(InstrNet& net, Node& node, int address, const std::wstring& folder,
            const ConnFun& conn, const GuiPoster& poster, const SerComm::SerialLogSink* sink);

// GUI thread, as the posted tasks. `st` is the state copy the exchange
// worked on; only its link state and deadline are taken.
void CompleteX(const NodeRef& ref, const NodeSt& st, const ConnFun& conn,
               const InstrParValues& values, bool ok);
void CompleteY(const NodeRef& ref, const NodeSt& st, const ConnFun& conn,
               const InstrParValues& values, bool ok);
void CompleteG(const NodeRef& ref, const NodeSt& st, const InstrPars& pars,
               const std::wstring& folder, const ConnFun& conn, const InstrParValues& values,
               bool ok);
void CompleteH(const NodeRef& ref, const NodeSt& st, const InstrPars& pars,
               const std::wstring& folder, const ConnFun& conn, const InstrParValues& values,
               bool ok);

}  // namespace PardeloStravon
