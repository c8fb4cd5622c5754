#pragma once
// The message handed to the local mail submission program: headers and a
// quoted-printable UTF-8 body, with LF line ends as local submission takes
// them. No "From:": the submission program supplies it.
#include <ctime>
#include <string>

namespace Sendora {

// The text without CR, LF or any other control character, so that a header
// value filled from a room name or an alarm text cannot add header lines.
std::wstring HeaderSafe(const std::wstring& value);

// RFC 5322 date of the local time with its zone offset.
std::string MailDate(std::time_t when);

// Recipient and subject are taken as header-safe already.
std::string ComposeMessage(const std::wstring& recipient, const std::wstring& subject,
                           const std::wstring& text, std::time_t when);

}  // namespace Sendora
