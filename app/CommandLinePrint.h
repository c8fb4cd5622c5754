#pragma once
// Printing from the command line, the framework's switches: "p DOCUMENT"
// prints the document's first view on the default printer, "pt DOCUMENT
// PRINTER" on that printer, without a dialog, and the program ends. Nobody
// sits at the screen: no window shows, a box becomes a line on standard
// error, and a run that fails says why there in one line, "<file>: <cause>".
#include <memory>
#include <string>

namespace PardeloStravon {

class CCommandLineInfoEx;
class TheAppIMFC;

// Whether the command line asks for a print run.
bool IsPrintRun(const CCommandLineInfoEx& info);

// While it exists, nothing waits for a user or writes on standard error
// but the run's own line: every message box writes its text there instead
// of showing and is answered with OK; the toolkit's warnings and log go to
// the error file.
class UnattendedOutput {
 public:
  UnattendedOutput();
  ~UnattendedOutput();
  UnattendedOutput(const UnattendedOutput&) = delete;
  UnattendedOutput& operator=(const UnattendedOutput&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Opens the document without its worker threads, prints its first view
// directly and closes it without questions; nothing is written into the
// document's file or folder. Returns the exit status: 0 once the print
// queue holds the job, 1 after the line on standard error.
int RunCommandLinePrint(TheAppIMFC& templates, const CCommandLineInfoEx& info);

}  // namespace PardeloStravon
