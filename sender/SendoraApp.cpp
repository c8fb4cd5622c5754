#include "sender/SendoraApp.h"

#include <csignal>
#include <cstring>
#include <ctime>
#include <iostream>

#include "sender/MailMessage.h"
#include "sender/MailSubmission.h"
#include "sender/Utf8.h"

namespace Sendora {
namespace {

std::wstring Argument(int argc, const char* const* argv, int index) {
  return index < argc && argv[index] ? DecodeUtf8(argv[index]) : std::wstring();
}

unsigned long Fail(const std::string& cause, unsigned long code) {
  std::cerr << "Sendora: " << cause << std::endl;
  return code;
}

std::string ErrorText(int error) { return std::strerror(error); }

}  // namespace

int SendoraApp::InitInstance(int argc, const char* const* argv) {
  // A submission program that stops reading early must be reported, not
  // end this program.
  std::signal(SIGPIPE, SIG_IGN);
  // A caller that ignores SIGCHLD would pass that on, and the submission
  // program's end could not be waited for.
  std::signal(SIGCHLD, SIG_DFL);
  const std::wstring recipient = Argument(argc, argv, 1);
  const std::wstring subject = Argument(argc, argv, 2);
  const std::wstring text = Argument(argc, argv, 3);
  return static_cast<int>(SendMapiMail(recipient, subject, text));
}

unsigned long SendMapiMail(const std::wstring& recipient, const std::wstring& subject, const std::wstring& text) {
  const std::string program = FindSendmail();
  if (program.empty())
    return Fail("no mail submission program: \"sendmail\" is not on the search path, in /usr/sbin or in /usr/lib "
                "(install a mail transfer agent)", 1);

  const std::wstring to = HeaderSafe(recipient);
  const std::string message = ComposeMessage(to, HeaderSafe(subject), text, std::time(nullptr));
  // "--": a recipient beginning with "-" is never one of its options.
  const SubmissionOutcome out = RunSubmission(program, {"-i", "--", EncodeUtf8(to)}, message);

  if (out.startError != 0) return Fail(program + " could not be started: " + ErrorText(out.startError), 1);
  if (out.exited && out.exitStatus != 0) {
    std::string cause = program + " ended with status " + std::to_string(out.exitStatus);
    if (!out.tookAll) cause += " without reading the whole message";
    return Fail(cause, static_cast<unsigned long>(out.exitStatus));
  }
  if (!out.exited && out.signal != 0)
    return Fail(program + " was ended by signal " + std::to_string(out.signal) + " (" + strsignal(out.signal) + ")", 1);
  if (!out.exited) return Fail(program + " ended, but how is not known", 1);
  if (!out.tookAll)
    return Fail(program + " ended with status 0 but did not read the whole message: " + ErrorText(out.writeError), 1);
  return 0;
}

}  // namespace Sendora
