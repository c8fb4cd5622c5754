#pragma once
// Reads a message back as a mail reader would: unfolds headers, decodes
// encoded words and quoted-printable. Written apart from the sender's own
// encoders so that the tests do not check the code against itself.
#include <string>
#include <utility>
#include <vector>

namespace MailDecoding {

struct Message {
  std::vector<std::pair<std::string, std::string>> headers;  // unfolded, in order
  std::vector<std::string> headerLines;                      // as written
  std::vector<std::string> bodyLines;                        // as written
  std::string body;                                          // as written
  bool crlf = false;                                         // any CR in the message
};

// Pieces each ended by `end`, the last one included.
std::vector<std::string> SplitEnded(const std::string& text, char end);
std::vector<std::string> SplitLines(const std::string& text);  // at LF
Message Parse(const std::string& raw);
std::string DecodeQuotedPrintable(const std::string& body);
std::string DecodeHeaderValue(const std::string& value);
bool IsPrintableAscii(const std::string& line);
bool IsUtf8(const std::string& bytes);

}  // namespace MailDecoding
