#pragma once

#include <wx/log.h>

#include <vector>

namespace PardeloStravon {

// The toolkit's complaints in its boxes while the windows are up. What it
// holds for its next box can be taken out: a switch of the log target makes
// the old target show what it holds, and past the main loop that box would
// wait for an answer nobody gives.
class ToolkitLogBoxes : public wxLogGui {
 public:
  struct Pending {
    wxLogLevel level;
    wxString text;
  };
  std::vector<Pending> TakePending();
};

// The toolkit's complaints as records of the error file instead of a
// box that someone has to answer.
class ToolkitLogToErrorFile : public wxLog {
 protected:
  void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override;
};

// From start-up on, the toolkit's complaints show in boxes.
void ToolkitLogInBoxes();

// While it exists, the toolkit's complaints go to the error file; those
// still waiting for their box go there too.
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

// From now to the program's end, those still waiting for their box
// included. Past the main loop a box would wait for an answer nobody gives
// (the toolkit shows what is left at its cleanup), and the program would
// never end.
void ToolkitLogToErrorFileUntilTheEnd();

}  // namespace PardeloStravon
