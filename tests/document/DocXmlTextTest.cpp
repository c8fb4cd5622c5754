#include <gtest/gtest.h>

#include <iterator>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "document/DocXmlText.h"

namespace PardeloStravon {
namespace {

TEST(DocXmlText, EncodingWritesCrLfAndEachCharacterOnItsOwn) {
  struct Case {
    std::wstring text;
    std::string bytes;
  };
  const Case cases[] = {
      {L"a\nb", "a\r\nb"},
      {L"a\rb", "a\rb"},
      {L"\u00E9\u20AC", "\xC3\xA9\xE2\x82\xAC"},
      {L"\U0001F600", "\xF0\x9F\x98\x80"},
      // A lone half, as the archive's own encoder writes it.
      {std::wstring(1, static_cast<wchar_t>(0xD800)), "\xED\xA0\x80"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeDocText(c.text), c.bytes);
    EXPECT_EQ(DecodeDocText(c.bytes), c.text);
  }
}

TEST(DocXmlText, DecodingJoinsHalvesSkipsTheMarkAndTurnsCrLfIntoLf) {
  struct Case {
    std::string bytes;
    std::wstring text;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBFx", L"x"},
      {"a\r\n\r\nb\r", L"a\n\nb\r"},
      // A pair written unit by unit, as the older program did.
      {"\xED\xA0\xBD\xED\xB8\x80", L"\U0001F600"},
      // A low half first, or a high half alone, stays as read.
      {"\xED\xB8\x80\xED\xA0\xBD", std::wstring{static_cast<wchar_t>(0xDE00), static_cast<wchar_t>(0xD83D)}},
      {"\xED\xA0\xBDz", std::wstring{static_cast<wchar_t>(0xD83D), L'z'}},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeDocText(c.bytes), c.text);
}

TEST(DocXmlText, BytesThatAreNoUtf8FailNamingTheOffset) {
  const std::pair<std::string, std::string> cases[] = {
      {"ab\xFF", "offset 2"},          // no lead byte
      {"a\xC3", "offset 1"},           // cut
      {"\xC0\xAF", "offset 0"},        // overlong
      {"xx\xE2\x28\xA1", "offset 2"},  // not a continuation
      {"\xF4\x90\x80\x80", "offset 0"},  // beyond U+10FFFF
      {"\xE0\x80\xAF", "offset 0"},    // overlong three-byte
  };
  for (const auto& [bytes, where] : cases) {
    try {
      DecodeDocText(bytes);
      ADD_FAILURE() << where;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(where), std::string::npos) << e.what();
    }
  }
}

// A unit of 14 bytes repeated: its CR LF, its pair written in halves and
// its multibyte characters fall on every place of the streams' pieces.
std::string ManyUnits() {
  std::string bytes;
  for (int i = 0; i < 6000; ++i) bytes += "ab\r\n\xED\xA0\xBD\xED\xB8\x80\xC3\xA9\r";
  return bytes;
}

TEST(DocXmlText, TheStreamsConvertAsTheWholeTextConverts) {
  const std::string bytes = ManyUnits();
  const std::wstring text = DecodeDocText(bytes);
  DocTextReader reader(bytes);
  std::wistream in(&reader);
  const std::wstring read{std::istreambuf_iterator<wchar_t>(in), std::istreambuf_iterator<wchar_t>()};
  EXPECT_EQ(read, text);

  DocTextWriter writer;
  std::wostream out(&writer);
  // Characters one by one, and pieces of an odd length.
  for (std::size_t at = 0; at < text.size(); at += 7) {
    if (at % 2) out.put(text[at]), out.write(text.data() + at + 1, std::min<std::size_t>(6, text.size() - at - 1));
    else out.write(text.data() + at, std::min<std::size_t>(7, text.size() - at));
  }
  EXPECT_EQ(writer.Take(), EncodeDocText(text));
  EXPECT_EQ(writer.Take(), "");
}

TEST(DocXmlText, ACharacterBeyondUnicode_FailsTheWriterNamingIt) {
  DocTextWriter writer;
  std::wostream out(&writer);
  out << L"ab" << static_cast<wchar_t>(0x110000) << std::flush;
  EXPECT_TRUE(out.bad());
  try {
    writer.Take();
    ADD_FAILURE() << "taken";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("beyond U+10FFFF"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace PardeloStravon
