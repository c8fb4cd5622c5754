#pragma once

#include <wx/log.h>

namespace PardeloStravon {

// The toolkit's own complaints as records of the error file instead of a
// box that someone has to answer.
class ToolkitLogToErrorFile : public wxLog {
 protected:
  void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override;
};

// While it exists, the toolkit's complaints go to the error file.
class ToolkitLogToErrorFileWhileAlive {
 public:
  ToolkitLogToErrorFileWhileAlive();
  ~ToolkitLogToErrorFileWhileAlive();
  ToolkitLogToErrorFileWhileAlive(const ToolkitLogToErrorFileWhileAlive&) = delete;
  ToolkitLogToErrorFileWhileAlive& operator=(const ToolkitLogToErrorFileWhileAlive&) = delete;

 private:
  ToolkitLogToErrorFile log_;
  wxLog* before_;
};

// From now to the program's end. Past the main loop a box would wait for an
// answer nobody gives (the toolkit shows what is left at its cleanup), and
// the program would never end.
void ToolkitLogToErrorFileUntilTheEnd();

}  // namespace PardeloStravon
