#include <gtest/gtest.h>

#include <string>

#include "sender/MailMessage.h"
#include "sender/MimeEncoding.h"
#include "sender/Utf8.h"
#include "tests/sender/MailDecoding.h"

namespace {

using namespace MailDecoding;

struct BodyCase {
  const char* name;
  std::string text;
  std::string decoded;  // line breaks as LF
};

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const BodyCase BodyCases[] = {
    {"empty", "", ""},
    {"plain", "Room 3 is too warm", "Room 3 is too warm"},
    {"equals-signs", "a=b ==", "a=b =="},
    {"blank-before-a-line-end", "end \nnext\t\r\nlast ", "end \nnext\t\nlast "},
    {"every-kind-of-break", "a\r\nb\rc\nd\n\re", "a\nb\nc\nd\n\ne"},
    {"break-at-the-end", "a\r\n", "a\n"},
    {"control-bytes", std::string("bell\a nul") + '\0' + "\x7f", std::string("bell\a nul") + '\0' + "\x7f"},
    {"non-ascii", "Température 30 °C ✓", "Température 30 °C ✓"},
    {"long-line", std::string(2000, 'x'), std::string(2000, 'x')},
    {"escapes-at-the-limit", std::string(74, 'y') + "==é" + std::string(73, 'z') + "é",
     std::string(74, 'y') + "==é" + std::string(73, 'z') + "é"},
    {"long-non-ascii", Repeat("ü€", 150), Repeat("ü€", 150)},
    {"blank-at-a-soft-break", std::string(75, 'w') + " " + std::string(10, 'v') + " ",
     std::string(75, 'w') + " " + std::string(10, 'v') + " "},
};

TEST(QuotedPrintableTest, DecodesToTheTextInLinesOfAtMost76PrintableCharacters) {
  for (const BodyCase& c : BodyCases) {
    SCOPED_TRACE(c.name);
    const std::string body = Sendora::QuotedPrintable(c.text);
    EXPECT_EQ(DecodeQuotedPrintable(body), c.decoded);
    for (const std::string& line : SplitLines(body)) {
      EXPECT_LE(line.size(), 76u) << line;
      EXPECT_TRUE(IsPrintableAscii(line)) << line;
      if (!line.empty()) {
        EXPECT_TRUE(line.back() != ' ' && line.back() != '\t') << "a blank ends: " << line;
      }
    }
  }
}

struct HeaderCase {
  const char* name;
  std::string value;
  bool plain;  // written as it is
};

const HeaderCase HeaderCases[] = {
    {"empty", "", true},
    {"ascii", "Alarm in room 3", true},
    {"ascii-that-fills-the-line", std::string(69, 'a'), true},
    {"ascii-one-too-long", std::string(70, 'a'), false},
    {"looks-like-an-encoded-word", "=?UTF-8?B?SGk=?=", false},
    {"accents", "Température élevée — salle 3", false},
    {"long-non-ascii", Repeat("Kühlraum ", 30), false},
    {"four-byte-characters", Repeat("𝄞", 40), false},
    {"three-byte-characters", Repeat("日本語", 25), false},
};

TEST(HeaderLinesTest, FoldsEncodedWordsOfWholeCharactersIntoLinesOf78) {
  for (const HeaderCase& c : HeaderCases) {
    SCOPED_TRACE(c.name);
    const std::string lines = Sendora::HeaderLines("Subject", c.value);
    const auto message = Parse(lines + "\n");
    ASSERT_EQ(message.headers.size(), 1u);
    EXPECT_EQ(message.headers[0].first, "Subject");
    EXPECT_EQ(DecodeHeaderValue(message.headers[0].second), c.value);
    EXPECT_EQ(message.headers[0].second == c.value, c.plain);
    for (const std::string& line : message.headerLines) {
      EXPECT_LE(line.size(), 78u) << line;
      EXPECT_TRUE(IsPrintableAscii(line)) << line;
    }
  }
}

TEST(HeaderSafeTest, DropsEveryControlCharacter) {
  const std::wstring value = L"Alarm\r\nBcc: x\tand\x1b[0m\x7f\x85 end ü";
  EXPECT_EQ(Sendora::HeaderSafe(value), L"AlarmBcc: xand[0m end ü");
}

TEST(Utf8Test, EveryByteOutsideAWellFormedSequenceBecomesOneReplacement) {
  const struct {
    const char* name;
    std::string bytes;
    std::wstring text;
  } cases[] = {
      {"ascii", "abc", L"abc"},
      {"two-three-four-bytes", "é€𝄞", L"é€\U0001D11E"},
      {"stray-continuation", "a\x80z", L"a\xFFFDz"},
      {"cut-sequence", "a\xE2\x82", L"a\xFFFD\xFFFD"},
      {"overlong-slash", "\xC0\xAF", L"\xFFFD\xFFFD"},
      {"surrogate", "\xED\xA0\x80", L"\xFFFD\xFFFD\xFFFD"},
      {"beyond-unicode", "\xF4\x90\x80\x80", L"\xFFFD\xFFFD\xFFFD\xFFFD"},
      {"latin-1", "caf\xE9", L"caf\xFFFD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sendora::DecodeUtf8(c.bytes), c.text) << c.name;
  }
  EXPECT_EQ(Sendora::EncodeUtf8(L"é€\U0001D11E"), "é€𝄞");
}

TEST(MailDateTest, GivesTheLocalTimeWithItsZoneOffset) {
  const char* saved = std::getenv("TZ");
  const std::string restore = saved ? saved : "";
  const struct {
    const char* tz;
    std::time_t when;
    const char* text;
  } cases[] = {
      {"UTC", 1234567890, "Fri, 13 Feb 2009 23:31:30 +0000"},
      {"UTC-2", 1234567890, "Sat, 14 Feb 2009 01:31:30 +0200"},
      {"America/New_York", 1246000000, "Fri, 26 Jun 2009 03:06:40 -0400"},
  };
  for (const auto& c : cases) {
    setenv("TZ", c.tz, 1);
    tzset();
    EXPECT_EQ(Sendora::MailDate(c.when), c.text) << c.tz;
  }
  if (saved) setenv("TZ", restore.c_str(), 1); else unsetenv("TZ");
  tzset();
}

}  // namespace
