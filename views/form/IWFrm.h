#pragma once
// The settings form of one instrument: its layout, the display of the
// node's values, its ten buttons, and its answer to the document signal.
// It lives in a frame of its own made from the program template and is
// owned by the program view of that frame.
#include <boost/signals2/connection.hpp>

#include <string>
#include <vector>

#include "document/gui/CommandTarget.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/core/NoInit.h"
#include "network/DocSignal.h"
#include "views/dialogs/CEditFmt.h"
#include "views/form/FormLayout.h"
#include "views/form/InstrWin.h"

class wxWindow;

namespace PardeloStravon {

class InstrParPure;
class PrgView;
class QziDoc;
class SettingsFileUi;

class IWFrm : public InstrWin, public InstrWBase {
 public:
  // With durations shown as days the node must exist.
  IWFrm(QziDoc* doc, int address);
  ~IWFrm() override;
  IWFrm(const IWFrm&) = delete;
  IWFrm& operator=(const IWFrm&) = delete;

  void OpenWin() override;
  VUC BuildForm() override;
  const std::vector<InterfItem>& FormItems() const override { return items_; }
  // Tab and the other dialog keys are the panel's own.
  bool PreTranslateMessage(const wxKeyEvent&) override { return false; }
  bool OnCmdMsg(unsigned id, int code, void* extra) override;
  const CommandTarget& Target() const override { return target_; }
  void Adopted() override;

  void OnSignal(int address, DocSignal signal);
  // The settings typed into the form, one per settable parameter; settable
  // parameters without a row keep the node's values.
  InstrParValues EditGetSettings() const;
  void ShowReadings(const InstrParValues& readings, bool have);
  void ShowSettings(const InstrParValues& settings, bool have);
  void SetStatusText(const std::wstring& text);

  int Address() const { return add_; }
  QziDoc* Doc() const { return pDoc_; }
  PrgView* View() const { return pView_; }
  const FormRows& Rows() const { return vRow_; }
  bool IsValidSetForm() const { return isValidSetForm_; }
  bool IsConnected() const { return conn_.connected(); }
  // The window that holds the rows' controls; null before the view exists.
  wxWindow* Panel() const;

  // Text of row i: "" without a control, "1"/"0" for a box, else the edit's.
  std::wstring RowText(std::size_t i) const;
  void SetRowText(std::size_t i, const std::wstring& text);

  // The settings-file windows the file commands use; tests hand in their
  // own. Null: the file dialog and the empty message box.
  static void SetFileUi(SettingsFileUi* ui);

 private:
  friend void CloseForm(IWFrm* form);

  void AttachDurationEdits();
  void SetTitle();
  void ShowNode();
  void ShowValues(const InstrParValues& values, bool have, bool (InstrParPure::*flag)() const);
  bool Command(unsigned id);
  bool SendOrSave(bool send);
  void LoadCommand();
  void Redraw();

  QziDoc* pDoc_;
  int add_;
  PrgView* pView_ = nullptr;
  FormRows vRow_;
  boost::signals2::scoped_connection conn_;
  std::vector<CEditFmt> vEditFmt_;
  NoInit<bool, false> isValidSetForm_;

  std::vector<InterfItem> items_;
  CommandTarget target_;
  // The text each row showed last; a row whose text differs was typed in.
  std::vector<std::wstring> shown_;
  // Set by the view that takes the form; lives on OpenWin's stack.
  bool* adopted_ = nullptr;
};

// A new form of the instrument at that address; OpenWin must follow at once.
InstrWin* NewIWFrm(QziDoc* doc, int address);

// Posts the opening of a form of the address (which exists now) as a GUI
// task, then closes this form; nothing of it may be used afterwards.
void ReopenForm(IWFrm* form, int address);
// Disconnects the form from the document signal at once; its frame, view
// and the form itself go once the running handler has returned.
void CloseForm(IWFrm* form);

// The status text of a result signal; empty for any other signal.
std::wstring ResultText(const IWFrm& form, int address, DocSignal signal);

}  // namespace PardeloStravon
