#pragma once
// Hands a message to the local mail submission program ("sendmail") and
// waits for it. The one place of the sender that starts a process: the
// sender stands alone and links none of the system's libraries.
#include <string>
#include <vector>

namespace Sendora {

// "sendmail" on the search path, else /usr/sbin/sendmail, else
// /usr/lib/sendmail; empty when none is an executable file.
std::string FindSendmail();

struct SubmissionOutcome {
  int startError = 0;     // errno when the program could not be started
  bool exited = false;    // ended by exit (not by a signal)
  int exitStatus = 0;     // when exited
  int signal = 0;         // when ended by a signal
  bool tookAll = false;   // read the whole message
  int writeError = 0;     // errno of the write that failed
};

// Runs `program` with `arguments` (argv[0] is its name "sendmail") through
// an argument vector, never a shell, the message on its standard input.
// SIGPIPE must be ignored by the caller's process: a program that stops
// reading early is then an outcome, not the caller's death.
SubmissionOutcome RunSubmission(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& message);

}  // namespace Sendora
