#include "app/ToolkitLog.h"

#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {

namespace {

void WriteErrorRecord(wxLogLevel level, const wxString& text) {
  // Debug and trace messages are for the toolkit's developers only.
  if (level > wxLOG_Info) return;
  ErrorLog << (PardeloStravon::TimeStamp() + L" " + text.ToStdWstring() + L"\n");
}

// Makes the target the active one; what the boxes held goes to the error
// file, since the switch would show it in a box.
wxLog* SwitchFromBoxes(wxLog* target) {
  std::vector<ToolkitLogBoxes::Pending> pending;
  if (auto* boxes = dynamic_cast<ToolkitLogBoxes*>(wxLog::GetActiveTarget())) pending = boxes->TakePending();
  wxLog* before = wxLog::SetActiveTarget(target);
  for (const ToolkitLogBoxes::Pending& message : pending) WriteErrorRecord(message.level, message.text);
  return before;
}

}  // namespace

std::vector<ToolkitLogBoxes::Pending> ToolkitLogBoxes::TakePending() {
  std::vector<Pending> pending;
  for (std::size_t i = 0; i < m_aMessages.size(); ++i)
    pending.push_back({static_cast<wxLogLevel>(m_aSeverity[i]), m_aMessages[i]});
  Clear();
  return pending;
}

void ToolkitLogToErrorFile::DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&) {
  WriteErrorRecord(level, msg);
}

void ToolkitLogInBoxes() { delete wxLog::SetActiveTarget(new ToolkitLogBoxes); }

ToolkitLogToErrorFileWhileAlive::ToolkitLogToErrorFileWhileAlive() : before_(SwitchFromBoxes(&log_)) {}

ToolkitLogToErrorFileWhileAlive::~ToolkitLogToErrorFileWhileAlive() { wxLog::SetActiveTarget(before_); }

void ToolkitLogToErrorFileUntilTheEnd() {
  // The toolkit deletes the active target at its cleanup.
  delete SwitchFromBoxes(new ToolkitLogToErrorFile);
}

}  // namespace PardeloStravon
