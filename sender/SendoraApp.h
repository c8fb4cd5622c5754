#pragma once
// The mail sender: sends one message from its command line (recipient,
// subject, text) through the local mail submission program and ends with 0
// only when that program took the whole message and ended with 0.
#include <string>

namespace Sendora {

class SendoraApp {
 public:
  // The program's body. Arguments are positional UTF-8: missing ones are
  // empty, those after the third ignored, and none is a switch. The result
  // is the exit code.
  int InitInstance(int argc, const char* const* argv);
};

// Builds the message and hands it over. 0 when it went out; otherwise one
// line on standard error naming the cause, and the submission program's own
// exit status when it ended with one that is not 0, else 1.
unsigned long SendMapiMail(const std::wstring& recipient, const std::wstring& subject, const std::wstring& text);

}  // namespace Sendora
