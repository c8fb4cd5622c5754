#include "foundation/gui/DataExchange.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
#include <wx/window.h>

#include "foundation/core/DateTime.h"
#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"
#include "foundation/gui/DateTimeText.h"
#include "foundation/gui/DialogNumbers.h"
#include "foundation/gui/Prompts.h"
#include "platform/gui/ControlAccess.h"

namespace PardeloStravon {
namespace {


wxWindow& Control(DataExchange* pDX, int id, const char* missingText) {
  return Platform::FindControl(pDX->Dialog(), id, missingText);
}

// Shows the member, or reads it through the rule; a refused text fails the
// exchange with the prompt and keeps the member.
template <class T, class Read, class Show>
void ExchangeNumber(DataExchange* pDX, int id, T& value, Read read, Show show, const std::wstring& promptToken,
                    const char* missingText) {
  wxWindow& edit = Control(pDX, id, missingText);
  pDX->PrepareEditCtrl(id);
  if (!pDX->IsSaving()) {
    Platform::SetControlText(edit, show(value));
    return;
  }
  const auto read_value = read(Platform::ControlText(edit));
  if (!read_value) pDX->Fail(id, PromptText(promptToken));
  value = *read_value;
}

}  // namespace

void DataExchange::Fail(int id, const std::wstring& message) {
  const wxString caption = wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString();
  wxGenericMessageDialog box(dialog_, message, caption, wxOK | wxICON_EXCLAMATION);
  box.ShowModal();
  try {
    Platform::FindControl(dialog_, id, "").SetFocus();
  } catch (const Platform::ControlNotFound&) {
    // The message is what matters; a control without focus is no harm.
  }
  throw DataExchangeFailed();
}

bool UpdateData(wxWindow* dialog, bool saveAndValidate, const std::function<void(DataExchange&)>& exchange) {
  DataExchange dx(dialog, saveAndValidate);
  try {
    exchange(dx);
  } catch (const DataExchangeFailed&) {
    return false;
  }
  return true;
}

void DDX_Bool(DataExchange* pDX, int id, bool& value) {
  wxWindow& box = Control(pDX, id, "In QZ::DDX_Bool(CDataExchange* pDX,int id,bool& b)");
  if (pDX->IsSaving())
    value = Platform::CheckState(box) != 0;
  else
    Platform::SetCheckState(box, value ? 1 : 0);
}

void DDX_WString(DataExchange* pDX, int id, std::wstring& value) {
  wxWindow& edit = Control(pDX, id, "In QZ::DDX_WString(CDataExchange* pDX,int id,std::wstring& s)");
  if (pDX->IsSaving())
    value = Platform::ControlText(edit);
  else
    Platform::SetControlText(edit, value);
}

void DDX_TimeT(DataExchange* pDX, int id, std::time_t& value) {
  wxWindow& edit = Control(pDX, id, "In QZ::DDX_TimeT(CDataExchange* pDX,int id,time_t& t)");
  if (!pDX->IsSaving()) {
    Platform::SetControlText(edit, DateTimeToText(ToOleDateTime(value)));
    return;
  }
  const std::optional<LocalDateTime> dt = TextToDateTime(Platform::ControlText(edit));
  if (!dt) pDX->Fail(id, PromptText(CTW_PR_Enter_Date_Time));
  value = OleDateTimeToTime(*dt);
}

void DDX_Duration(DataExchange* pDX, int id, long& seconds, bool dhms) {
  wxWindow& edit = Control(pDX, id, "In QZ::DDX_Duration(CDataExchange* pDX,int id,long& t,bool dhms)");
  if (pDX->IsSaving())
    seconds = TextToDuration(Platform::ControlText(edit));
  else
    Platform::SetControlText(edit, dhms ? DurationToText(seconds) : ToWStr(seconds));
}

void DDX_Text(DataExchange* pDX, int id, int& value) {
  ExchangeNumber(pDX, id, value, ReadDialogInt, ShowDialogInt, CTW_PR_Enter_Integer,
                 "In DDX_Text(CDataExchange* pDX,int nIDC,int& value)");
}

void DDX_Text(DataExchange* pDX, int id, float& value) {
  ExchangeNumber(pDX, id, value, ReadDialogFloat, ShowDialogFloat, CTW_PR_Enter_Number,
                 "In DDX_Text(CDataExchange* pDX,int nIDC,float& value)");
}

void DDX_Text(DataExchange* pDX, int id, double& value) {
  ExchangeNumber(pDX, id, value, ReadDialogDouble, ShowDialogDouble, CTW_PR_Enter_Number,
                 "In DDX_Text(CDataExchange* pDX,int nIDC,double& value)");
}

void DDX_Text(DataExchange* pDX, int id, CString& value) {
  wxWindow& edit = Control(pDX, id, "In DDX_Text(CDataExchange* pDX,int nIDC,CString& value)");
  pDX->PrepareEditCtrl(id);
  if (pDX->IsSaving())
    value = CString(Platform::ControlText(edit));
  else
    Platform::SetControlText(edit, value.Text());
}

std::wstring RangePrompt(int min, int max) {
  return PromptText(CTW_PR_Integer_Between, {std::to_wstring(min), std::to_wstring(max)});
}

void DDV_MinMaxInt(DataExchange* pDX, int value, int min, int max) {
  if (pDX->IsSaving() && (value < min || value > max)) pDX->Fail(pDX->LastControl(), RangePrompt(min, max));
}

}  // namespace PardeloStravon
