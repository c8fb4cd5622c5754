#include "views/dialogs/FromToPick.h"

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "foundation/core/Clock.h"
#include "foundation/core/DateTime.h"
#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "foundation/gui/Prompts.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/WindowStyles.h"
#include "views/dialogs/ResourceItems.h"

namespace PardeloStravon {
namespace {

using Platform::IDCANCEL;
using Platform::IDOK;

constexpr int FromId = 1301;
constexpr int ToId = 1302;
constexpr int FromLabelId = 32843;
constexpr int ToLabelId = 32844;
constexpr int FollowId = 32850;

}  // namespace

std::vector<InterfItem> FromToPickItems() {
  return {
      ResourceFrame(L"From ... to ...", 186, 105),
      DefaultButton(IDOK, L"OK", 129, 7, 50, 16),
      PushButton(IDCANCEL, L"Cancel", 129, 26, 50, 16),
      BorderEdit(FromId, 35, 8, 83, 12, Platform::ES_RIGHT),
      GroupLabel(FromLabelId, L"From", 9, 9, 17, 8),
      BorderEdit(ToId, 35, 29, 83, 12, Platform::ES_RIGHT),
      GroupLabel(ToLabelId, L"To", 9, 30, 10, 8),
      LeftTextCheckBox(FollowId, L"Periodic plot update", 9, 49, 169, 8),
  };
}

std::time_t DaysBefore(std::time_t t, int days) {
  LocalDateTime dt = ToOleDateTime(t);
  // Calendar arithmetic on the date alone, through a UTC day count.
  std::tm day{};
  day.tm_year = dt.year - 1900;
  day.tm_mon = dt.month - 1;
  day.tm_mday = dt.day - days;
  day.tm_hour = 12;
  const std::time_t noon = timegm(&day);
  gmtime_r(&noon, &day);
  dt.year = day.tm_year + 1900;
  dt.month = day.tm_mon + 1;
  dt.day = day.tm_mday;
  return OleDateTimeToTime(dt);
}

FromToPick::FromToPick(wxWindow* parent)
    : ItemDialog(parent, FromToPickItems()), from_(DaysBefore(Now(), 7)), to_(Now()) {
  Bind(wxEVT_INIT_DIALOG, &FromToPick::OnInitDialog, this);
}

// A start after the end would give a graph that cannot be drawn.
void FromToPick::DoDataExchange(DataExchange& dx) {
  DDX_TimeT(&dx, FromId, from_);
  DDX_TimeT(&dx, ToId, to_);
  if (dx.IsSaving() && from_ > to_) dx.Fail(ToId, PromptText(CTW_PR_End_Before_Start));
  DDX_Bool(&dx, FollowId, follow_);
}

void FromToPick::OnInitDialog(wxInitDialogEvent&) {
  TransferDataToWindow();
  SetTitle(DictText(CTW_ID_FROM_TO));
  EditSetText(this, IDOK, DictText(CTW_OK));
  EditSetText(this, IDCANCEL, DictText(CTW_Cancel));
  EditSetText(this, FromLabelId, DictText(CTW_ID_FROM));
  EditSetText(this, ToLabelId, DictText(CTW_ID_TO));
  EditSetText(this, FollowId, DictText(CTW_ID_INSTR_EDIT_RV_ACTIVE));
}

bool PickFromTo(std::time_t* from, std::time_t* to, bool* follow) {
  ASSERT_THROW(from != nullptr && to != nullptr && follow != nullptr, L"In PickFromTo: no place for the span");
  FromToPick dialog(nullptr);
  if (dialog.DoModal() != IDOK) return false;
  *from = dialog.from_;
  *to = dialog.to_;
  *follow = dialog.follow_;
  return true;
}

}  // namespace PardeloStravon
