#include "views/form/IWFrm.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/textctrl.h>

#include <boost/any.hpp>

#include "document/Access.h"
#include "document/QziDocF.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "foundation/gui/DialogControls.h"
#include "foundation/gui/FileDialog.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/nodes/SettingsFiles.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/InterfWin.h"
#include "views/form/FormJobs.h"
#include "views/form/PrgView.h"
#include "views/form/TypedSettingsCheck.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

// The file dialog, and a message box with no text and the application's
// caption, owned by no window.
class WindowFileUi : public SettingsFileUi {
 public:
  std::wstring ChooseFile(const std::wstring& base, const std::wstring& extension, Mode mode) override {
    return FileDialog(base, extension, mode);
  }
  void ShowEmptyMessage() override {
    wxMessageDialog box(nullptr, wxEmptyString, wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(), wxOK);
    box.ShowModal();
  }
};

SettingsFileUi* fileUi = nullptr;

SettingsFileUi& FileUi() {
  static WindowFileUi windows;
  return fileUi ? *fileUi : windows;
}

InstrNet& NetOf(QziDoc* doc) { return doc->Std().NetOpt().Network(); }

// The row's value control lets the user change it.
bool EditableItem(const InterfItem& item) {
  if (item.atom_ == ClassButton) return (item.style_ & BS_TYPEMASK) == BS_AUTO3STATE;
  return (item.style_ & ES_READONLY) == 0;
}

}  // namespace

IWFrm::IWFrm(QziDoc* doc, int address) : pDoc_(doc), add_(address) {
  if (doc->Std().GetTmDhms()) vEditFmt_.resize(NetOf(doc).GetPresent(address).Type().Pars().size());
  for (unsigned id = FormButtonFirst; id <= FormButtonLast; ++id)
    target_.OnCommand(static_cast<int>(id), [this, id] { OnCmdMsg(id, 0, nullptr); });
}

IWFrm::~IWFrm() = default;

InstrWin* NewIWFrm(QziDoc* doc, int address) { return new IWFrm(doc, address); }

void IWFrm::Adopted() {
  if (adopted_) *adopted_ = true;
}

void IWFrm::OpenWin() {
  // Until a view takes the form, the form is its own: one that no view
  // took is freed here and nothing is shown.
  bool adopted = false;
  adopted_ = &adopted;
  ChildFrm* frame = nullptr;
  MyCMultiDocTemplate* tpl = TheTemplates() ? TheTemplates()->TplPrg() : nullptr;
  try {
    if (tpl) frame = tpl->CreateNewFrameEx(pDoc_, nullptr, boost::any(static_cast<InstrWBase*>(this)));
  } catch (...) {
    if (!adopted) delete this;
    throw;
  }
  if (!adopted) {
    delete this;
    return;
  }
  // A view took the form; without a frame it has freed it again.
  if (!frame) return;
  adopted_ = nullptr;
  pView_ = dynamic_cast<PrgView*>(frame->View());
  if (!pView_) return;
  tpl->InitialUpdateFrame(frame, pDoc_, true);
  SetStatusText(L"");
  SetTitle();
  frame->RefreshMenu();
  AttachDurationEdits();
  ShowNode();
  // Signals reach the form only once it has shown its first values.
  conn_ = pDoc_->Std().ConnectDocSignal([this](int address, DocSignal signal) { OnSignal(address, signal); });
}

VUC IWFrm::BuildForm() {
  QziDocIStd& std = pDoc_->Std();
  const Node& node = NetOf(pDoc_).GetPresent(add_);
  const LOGFONTW font = std.GetF()->GetIMFC()->pLF_;
  FormLayout layout = LayOutForm(FormInputOf(node, HasSupervisorAccess(std), std.GetPrgRows(), std.GetTmDhms(), font));
  items_ = std::move(layout.items);
  vRow_ = std::move(layout.rows);
  shown_.assign(vRow_.size(), L"");
  for (std::size_t i = 0; i < vRow_.size(); ++i)
    if (vRow_[i].first != 0) shown_[i] = vRow_[i].second ? L"0" : L".";
  return InterfWin(items_).WinTemplate();
}

wxWindow* IWFrm::Panel() const { return pView_ ? pView_->FormPanel() : nullptr; }

void IWFrm::AttachDurationEdits() {
  if (vEditFmt_.empty()) return;
  const InstrPars pars = NetOf(pDoc_).GetPresent(add_).Type().Pars();
  for (std::size_t i = 0; i < vRow_.size() && i < pars.size(); ++i) {
    if (vRow_[i].first == 0 || !IsDelay3Range(*pars[i]->ParRange())) continue;
    auto* edit = dynamic_cast<wxTextCtrl*>(Panel()->FindWindow(ToWxId(vRow_[i].first)));
    if (edit) vEditFmt_.at(i).SubclassWindow(edit);
  }
}

void IWFrm::SetTitle() {
  if (!pView_ || !pView_->Frame()) return;
  const Node& node = NetOf(pDoc_).GetPresent(add_);
  const std::wstring& name = node.Opt().nm_;
  pView_->Frame()->SetTitle(pDoc_->GetTitle().ToStdWstring() + DictText(CTW_Program_Title) + name);
}

void IWFrm::SetStatusText(const std::wstring& text) {
  if (pView_ && pView_->Frame()) pView_->Frame()->SetStatusPanes(text);
}

void IWFrm::ShowNode() {
  const Node& node = NetOf(pDoc_).GetPresent(add_);
  const InstrPars pars = node.Type().Pars();
  const InstrParValues values = node.Values();
  ShowReadings(ReadableValues(pars, values), node.HasReadings());
  ShowSettings(SettableValues(pars, values), node.HasSettings());
}

std::wstring IWFrm::RowText(std::size_t i) const {
  const auto& row = vRow_.at(i);
  if (row.first == 0) return L"";
  if (row.second) return ButtonGetCheck(Panel(), row.first) ? L"1" : L"0";
  return EditGetText(Panel(), row.first);
}

void IWFrm::SetRowText(std::size_t i, const std::wstring& text) {
  const auto& row = vRow_.at(i);
  if (row.first == 0) return;
  if (row.second)
    ButtonSetCheck(Panel(), row.first, text == L"***" ? 2 : text == L"1" ? 1 : 0);
  else
    EditSetText(Panel(), row.first, text);
  shown_.at(i) = RowText(i);
}

void IWFrm::ShowValues(const InstrParValues& values, bool have, bool (InstrParPure::*flag)() const) {
  const InstrPars pars = NetOf(pDoc_).GetPresent(add_).Type().Pars();
  const bool dhms = pDoc_->Std().GetTmDhms();
  // k counts the flagged parameters: the values hold only theirs.
  std::size_t k = 0;
  for (std::size_t i = 0; i < pars.size(); ++i) {
    if (!(pars[i]->*flag)()) continue;
    ++k;
    if (vRow_.at(i).first == 0) continue;
    SetRowText(i, have ? ValueToTextFmt(*pars[i]->ParRange(), values.at(k - 1), dhms) : L"***");
  }
}

void IWFrm::ShowReadings(const InstrParValues& readings, bool have) { ShowValues(readings, have, &InstrParPure::ParIsRead); }

void IWFrm::ShowSettings(const InstrParValues& settings, bool have) {
  ShowValues(settings, have, &InstrParPure::ParIsSet);
  isValidSetForm_ = have;
}

InstrParValues IWFrm::EditGetSettings() const {
  ASSERT_THROW(isValidSetForm_, L"isValidSetForm_");
  const Node& node = NetOf(pDoc_).GetPresent(add_);
  const InstrPars pars = node.Type().Pars();
  InstrParValues values = node.Values();
  const bool dhms = pDoc_->Std().GetTmDhms();
  for (std::size_t i = 0; i < pars.size(); ++i) {
    if (!pars[i]->ParIsSet() || vRow_.at(i).first == 0) continue;
    TextToValueFmt(*pars[i]->ParRange(), RowText(i), values.at(i), dhms);
  }
  return SettableValues(pars, values);
}

void IWFrm::Redraw() {
  if (wxWindow* panel = Panel()) panel->Refresh(true);
}

bool IWFrm::OnCmdMsg(unsigned id, int, void*) {
  if (id < FormButtonFirst || id > FormButtonLast) return false;
  Command(id);
  return true;
}

bool IWFrm::Command(unsigned id) {
  QziDocIStd& std = pDoc_->Std();
  InstrNet& net = NetOf(pDoc_);
  net.GetPresent(add_);
  switch (id) {
    case 9000:
      ShowNode();
      Redraw();
      break;
    case 9001: PushReceiveReadings(std, add_); break;
    case 9002: PushReceiveSettings(std, add_); break;
    case 9003: SendOrSave(true); break;
    case 9004: SendOrSave(false); break;
    case 9005: LoadCommand(); break;
    // Each closes this form: nothing of it is used afterwards.
    case 9006: ReopenForm(this, FirstAddress(net)); break;
    case 9007: ReopenForm(this, PrevAddress(net, add_)); break;
    case 9008: ReopenForm(this, NextAddress(net, add_)); break;
    case 9009: ReopenForm(this, LastAddress(net)); break;
    default: return false;
  }
  return true;
}

bool IWFrm::SendOrSave(bool send) {
  if (!isValidSetForm_) return false;
  const Node& node = NetOf(pDoc_).GetPresent(add_);
  const InstrPars pars = node.Type().Pars();
  InstrParValues values = node.Values();
  const bool dhms = pDoc_->Std().GetTmDhms();
  // A row the user typed into must hold one whole value inside its range;
  // the first that does not stops the command before anything is sent or
  // written.
  for (std::size_t i = 0; i < pars.size(); ++i) {
    const int id = vRow_.at(i).first;
    if (!pars[i]->ParIsSet() || id == 0) continue;
    TypedSetting row;
    row.range = pars[i]->ParRange();
    row.label = node.OptFrm().at(i).frmTextOpt_;
    row.editable = EditableItem(items_.at(static_cast<std::size_t>(id - FormFirstControlId) + 11));
    row.asDuration = dhms;
    const TypedSettingResult result = CheckTypedSetting(row, shown_.at(i), RowText(i), values.at(i));
    if (!result.accepted) {
      RefuseTypedSetting(Panel(), id, result.message);
      return false;
    }
    values.at(i) = result.value;
  }
  const InstrParValues settings = SettableValues(pars, values);
  if (send)
    PushSendSettings(pDoc_->Std(), add_, settings);
  else
    SaveSettings(node, add_, settings, FileUi());
  return true;
}

void IWFrm::LoadCommand() {
  QziDocIStd& std = pDoc_->Std();
  const Node& node = NetOf(pDoc_).GetPresent(add_);
  const InstrPars pars = node.Type().Pars();
  InstrParValues loaded;
  if (!LoadSettings(node, add_, loaded, FileUi())) return;
  const InstrParValues old = node.HasSettings() ? SettableValues(pars, node.Values()) : InstrParValues();
  InstrParValues mixed;
  if (!MixSettings(node, old, loaded, mixed, HasSupervisorAccess(std))) return;
  SetNetAddress(SettablePars(pars), mixed, add_);
  ShowSettings(mixed, true);
  Redraw();
}

void IWFrm::SetFileUi(SettingsFileUi* ui) { fileUi = ui; }

void IWFrm::OnSignal(int address, DocSignal signal) {
  if (address != 0 && address != add_) return;
  if (signal == dsRemoveInstr) {
    CloseForm(this);
    return;
  }
  const Node& node = NetOf(pDoc_).GetPresent(add_);
  const InstrPars pars = node.Type().Pars();
  const InstrParValues values = node.Values();
  switch (signal) {
    case dsRxOk:
    case dsRgOk:
      ShowReadings(ReadableValues(pars, values), true);
      Redraw();
      SetStatusText(ResultText(*this, address, signal));
      break;
    case dsRyOk:
    case dsTyOk:
    case dsRhOk:
      ShowSettings(SettableValues(pars, values), true);
      Redraw();
      SetStatusText(ResultText(*this, address, signal));
      break;
    case dsRxKo:
    case dsRgKo:
    case dsRxEnable:
    case dsRyKo:
    case dsTyKo:
    case dsRhKo: SetStatusText(ResultText(*this, address, signal)); break;
    case dsLanguage:
      SetTitle();
      if (pView_ && pView_->Frame()) pView_->Frame()->RefreshMenu();
      ReopenForm(this, add_);
      break;
    case dsEditInstr:
    case dsLogin:
    case dsLoginSup:
    case dsFontProgram:
    case dsProgramLayout: ReopenForm(this, add_); break;
    default: break;
  }
}

std::wstring ResultText(const IWFrm&, int, DocSignal signal) {
  switch (signal) {
    case dsRxOk: return DictText(CTW_RX_OK);
    case dsRxKo: return DictText(CTW_RX_KO);
    case dsRyOk: return DictText(CTW_RY_OK);
    case dsRyKo: return DictText(CTW_RY_KO);
    case dsTyOk: return DictText(CTW_TY_OK);
    case dsTyKo: return DictText(CTW_TY_KO);
    case dsRgOk: return DictText(CTW_RG_OK);
    case dsRgKo: return DictText(CTW_RG_KO);
    case dsRhOk: return DictText(CTW_RH_OK);
    case dsRhKo: return DictText(CTW_RH_KO);
    case dsRxEnable: return DictText(CTW_ID_EDIT_RX);
    default: return L"";
  }
}

void ReopenForm(IWFrm* form, int address) {
  QziDocIStd* std = &form->Doc()->Std();
  std->NetOpt().Network().GetPresent(address);
  // The task carries the address only: an instrument gone by the time it
  // runs opens nothing.
  std->GetGuiPoster()([std, address] {
    InstrNet& net = std->NetOpt().Network();
    if (net.IsPresent(address)) net.GetPresent(address).OpenProgramForm(*std, address);
  });
  CloseForm(form);
}

void CloseForm(IWFrm* form) {
  form->conn_.disconnect();
  PrgView* view = form->View();
  if (!view) return;
  // The toolkit cannot destroy a window inside its own handler: the view
  // (and with it the frame and the form) goes once the handler returned.
  wxWeakRef<PrgView> ref(view);
  wxTheApp->CallAfter([ref] {
    PrgView* v = ref.get();
    if (!v) return;
    // The document's last window closes as the user closes it, with the
    // document and its save question; any other goes alone.
    wxDocument* doc = v->GetDocument();
    if (doc && doc->GetViews().size() == 1 && v->Frame())
      v->Frame()->Close();
    else
      delete v;
  });
}

}  // namespace PardeloStravon
