#pragma once
// What the network side needs of the open document: its flags, its signal,
// its GUI poster, its serial trace, its folder, the graph and settings-form
// commands and its message box. The document implements it; the network
// never sees the document's own classes.
#include <boost/noncopyable.hpp>
#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>
#include <ctime>
#include <string>

#include "network/DocSignal.h"
#include "platform/LegacyArchive.h"

namespace PardeloStravon {

class InstrNetOpt;
using Platform::LegacyArchive;

class DocServices : private boost::noncopyable {
 public:
  virtual ~DocServices();

  // The network options the document owns for as long as it is open.
  virtual InstrNetOpt& NetOpt() = 0;
  virtual const InstrNetOpt& NetOpt() const = 0;

  // Flags the worker threads poll at every turn.
  virtual bool IsStopped() const = 0;
  virtual bool IsClosing() const = 0;
  virtual bool IsExecRestart() const = 0;
  // Stores the flag and returns its previous value.
  virtual bool SetExecRestart(bool restart) = 0;

  // Slots run synchronously, in the order they were connected. Emitted on
  // the GUI thread only; worker threads post a task that emits.
  boost::signals2::connection ConnectDocSignal(const DocSignalSlot& slot);
  void EmitDocSignal(int address, DocSignal signal);

  // Any thread: queues the task for the GUI thread, or drops it silently
  // when there is no main window or the queue refuses it.
  virtual void PostToGui(const GuiTask& task) = 0;
  GuiPoster GetGuiPoster();

  // GUI thread: appends to the serial trace; true when old lines had to go.
  virtual bool TraceAppend(const std::wstring& text) = 0;
  // Marks the document as having unsaved changes, or clears the mark.
  virtual void SetModified(bool modified) = 0;
  // The document's path name, empty for a document never saved.
  virtual std::wstring DocPathName() const = 0;

  // A graph of the instrument's recording over [from, to] in a new window;
  // with follow set it keeps ending at the present.
  virtual void NewGraphic(int address, std::time_t from, std::time_t to, bool follow,
                          bool print) = 0;
  // Prints that graph directly; whether it succeeded.
  virtual bool PrintGraphic(int address, std::time_t from, std::time_t to) = 0;
  // Opens the settings form of the instrument at that address.
  virtual void OpenSettingsForm(int address) = 0;
  // A message box with an OK button.
  virtual void ShowMessageBox(const std::wstring& text) = 0;

  // The legacy document: the version, then blocks 22 to 25, each ending with
  // the network's piece of that block. Loading returns the version read (0
  // for an empty file, which reads nothing) and throws LegacyFormatError,
  // after the message box, for a version it cannot read.
  int SerializeDocLegacy(LegacyArchive& ar);
  // Reads the layout of one version; with keep false the values are dropped.
  void LoadDocLegacy(LegacyArchive& ar, int version, bool keep);

 protected:
  // The document's own values of one block, written or read.
  virtual void LegacyDocValues(LegacyArchive& ar, int version, bool keep) = 0;
  // Makes the document's language current; runs after every block read.
  virtual void ApplyLanguage() = 0;

 private:
  boost::signals2::signal<void(int, DocSignal)> docSignal_;
};

// The document's folder: its path up to the last separator, "." when empty.
std::wstring GetDocDirectory(const DocServices& doc);
void DocNewGraphic(int address, DocServices& doc, std::time_t from, std::time_t to, bool follow,
                   bool print);
bool DocPrintGraphic(int address, DocServices& doc, std::time_t from, std::time_t to);

}  // namespace PardeloStravon
