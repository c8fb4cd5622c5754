#include "app/ToolkitLog.h"

#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {

void ToolkitLogToErrorFile::DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo&) {
  // Debug and trace messages are for the toolkit's developers only.
  if (level > wxLOG_Info) return;
  ErrorLog << (PardeloStravon::TimeStamp() + L" " + msg.ToStdWstring() + L"\n");
}

ToolkitLogToErrorFileWhileAlive::ToolkitLogToErrorFileWhileAlive() : before_(wxLog::SetActiveTarget(&log_)) {}

ToolkitLogToErrorFileWhileAlive::~ToolkitLogToErrorFileWhileAlive() { wxLog::SetActiveTarget(before_); }

void ToolkitLogToErrorFileUntilTheEnd() {
  // The toolkit deletes the active target at its cleanup.
  delete wxLog::SetActiveTarget(new ToolkitLogToErrorFile);
}

}  // namespace PardeloStravon
