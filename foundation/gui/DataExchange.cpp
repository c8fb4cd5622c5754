#include "foundation/gui/DataExchange.h"

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
#include <wx/window.h>

#include "foundation/core/DateTime.h"
#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"
#include "foundation/gui/DateTimeText.h"
#include "platform/gui/ControlAccess.h"

namespace PardeloStravon {
namespace {

const std::wstring ParseDateTimeMessage = L"Please enter a date and/or time.";

wxWindow& Control(DataExchange* pDX, int id, const char* missingText) {
  return Platform::FindControl(pDX->Dialog(), id, missingText);
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
  if (!dt) pDX->Fail(id, ParseDateTimeMessage);
  value = OleDateTimeToTime(*dt);
}

void DDX_Duration(DataExchange* pDX, int id, long& seconds, bool dhms) {
  wxWindow& edit = Control(pDX, id, "In QZ::DDX_Duration(CDataExchange* pDX,int id,long& t,bool dhms)");
  if (pDX->IsSaving())
    seconds = TextToDuration(Platform::ControlText(edit));
  else
    Platform::SetControlText(edit, dhms ? DurationToText(seconds) : ToWStr(seconds));
}

}  // namespace PardeloStravon
