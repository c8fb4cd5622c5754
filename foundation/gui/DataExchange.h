#pragma once
// Exchange between a dialog's controls and the members they edit: showing
// fills the controls, reading (when the user accepts) validates them and
// stores the members.
#include <ctime>
#include <exception>
#include <functional>
#include <string>

#include "platform/CString.h"

class wxWindow;

namespace PardeloStravon {

// Thrown by DataExchange::Fail; UpdateData turns it into a false result.
class DataExchangeFailed : public std::exception {
 public:
  const char* what() const noexcept override { return "Dialog data exchange refused a field"; }
};

class DataExchange {
 public:
  DataExchange(wxWindow* dialog, bool saveAndValidate) : dialog_(dialog), saveAndValidate_(saveAndValidate) {}

  wxWindow* Dialog() const { return dialog_; }
  bool IsSaving() const { return saveAndValidate_; }

  // The edit control exchanged last: a range check after it refers to it.
  void PrepareEditCtrl(int id) { lastControl_ = id; }
  int LastControl() const { return lastControl_; }

  // Shows the message in a modal box, puts the focus on the control and
  // stops the exchange.
  [[noreturn]] void Fail(int id, const std::wstring& message);

 private:
  wxWindow* dialog_;
  bool saveAndValidate_;
  int lastControl_ = 0;
};

// Runs one exchange over the dialog; false when a field was refused, and
// then the members read before that field keep their new values.
bool UpdateData(wxWindow* dialog, bool saveAndValidate, const std::function<void(DataExchange&)>& exchange);

void DDX_Bool(DataExchange* pDX, int id, bool& value);
void DDX_WString(DataExchange* pDX, int id, std::wstring& value);
// The local date and time; a text that is no date-time fails the exchange.
void DDX_TimeT(DataExchange* pDX, int id, std::time_t& value);
// Shown as "d h:mm:ss" with dhms, else as plain seconds; read either way
// through TextToDuration, so both forms are taken and nothing is refused.
void DDX_Duration(DataExchange* pDX, int id, long& seconds, bool dhms);

// The framework's text exchange of an edit box. Numbers are shown and read
// by the dialog number rules (DialogNumbers.h); a text that is no such
// number fails the exchange with the prompt for an integer or for a number
// (Prompts.h) and leaves the member as it was. Text is taken as it stands.
void DDX_Text(DataExchange* pDX, int id, int& value);
void DDX_Text(DataExchange* pDX, int id, float& value);
void DDX_Text(DataExchange* pDX, int id, double& value);
void DDX_Text(DataExchange* pDX, int id, CString& value);
// After the exchange of an int: on reading, a value outside [min, max]
// fails on the field exchanged last with the prompt naming the two bounds.
void DDV_MinMaxInt(DataExchange* pDX, int value, int min, int max);
// The prompt of that check.
std::wstring RangePrompt(int min, int max);

}  // namespace PardeloStravon
