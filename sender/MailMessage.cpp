#include "sender/MailMessage.h"

#include <cstdio>

#include "sender/MimeEncoding.h"
#include "sender/Utf8.h"

namespace Sendora {
namespace {

bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

std::wstring HeaderSafe(const std::wstring& value) {
  std::wstring out;
  out.reserve(value.size());
  for (wchar_t c : value)
    if (!IsControl(c)) out.push_back(c);
  return out;
}

std::string MailDate(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  // Names of days and months in English whatever the locale says.
  static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char zone[8];
  std::strftime(zone, sizeof zone, "%z", &local);
  char out[64];
  std::snprintf(out, sizeof out, "%s, %02d %s %04d %02d:%02d:%02d %s", days[local.tm_wday], local.tm_mday,
                months[local.tm_mon], local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec, zone);
  return out;
}

std::string ComposeMessage(const std::wstring& recipient, const std::wstring& subject,
                           const std::wstring& text, std::time_t when) {
  std::string message;
  // An address cannot be an encoded word: it goes as it is, in UTF-8.
  const std::string to = EncodeUtf8(HeaderSafe(recipient));
  message += to.empty() ? "To:\n" : "To: " + to + '\n';
  message += HeaderLines("Subject", EncodeUtf8(HeaderSafe(subject)));
  message += "Date: " + MailDate(when) + '\n';
  message += "MIME-Version: 1.0\n";
  message += "Content-Type: text/plain; charset=UTF-8\n";
  message += "Content-Transfer-Encoding: quoted-printable\n";
  message += '\n';
  message += QuotedPrintable(EncodeUtf8(text));
  return message;
}

}  // namespace Sendora
