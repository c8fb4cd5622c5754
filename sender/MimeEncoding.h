#pragma once
// The encodings of a plain-text message in UTF-8: quoted-printable for the
// body and encoded words for a header.
#include <string>
#include <string_view>

namespace Sendora {

// Quoted-printable lines of at most 76 characters, each ended by LF. Every
// CR LF, CR or LF of the text is a line break; every other byte that is not
// printable ASCII, '=' and a blank before a line end are written as "=XX".
std::string QuotedPrintable(std::string_view utf8);

// "Name: value" folded into lines of at most 78 characters, each ended by LF.
// The value stays as it is when it is printable ASCII and fits on the line;
// otherwise it becomes base64 encoded words in UTF-8, each holding whole
// characters only.
std::string HeaderLines(std::string_view name, std::string_view utf8Value);

}  // namespace Sendora
