#include <gtest/gtest.h>

#include <cstdint>

#include "foundation/core/TextLineBuffer.h"

using namespace PardeloStravon;

namespace {

std::vector<std::wstring> Lines(const TextLineBuffer& b) {
  std::vector<std::wstring> out;
  for (std::size_t i = 0; i < b.Count(); ++i) out.push_back(b.Line(i));
  return out;
}

std::wstring P() { return L"P"; }

}  // namespace

TEST(TextLineBuffer, PiecesWrapAndTheOldestLineGoes) {
  TextLineBuffer b(3, 6, P);
  EXPECT_FALSE(b.Append(L""));
  EXPECT_EQ(b.Count(), 0u);

  EXPECT_FALSE(b.Append(L"AB"));
  EXPECT_EQ(Lines(b), (std::vector<std::wstring>{L"PAB"}));

  EXPECT_FALSE(b.Append(L"CDEFGH"));
  EXPECT_EQ(Lines(b), (std::vector<std::wstring>{L"PABCDE", L"PFGH"}));

  EXPECT_TRUE(b.Append(L"\r\n"));
  EXPECT_EQ(Lines(b), (std::vector<std::wstring>{L"PFGH", L"P", L"P"}));

  EXPECT_FALSE(b.Append(L"X"));
  EXPECT_EQ(Lines(b).back(), L"PX");
  EXPECT_THROW(b.Line(3), std::out_of_range);
}

TEST(TextLineBuffer, LeadingLineFeed_StartsTheFirstLine) {
  TextLineBuffer b(3, 6, P);
  EXPECT_FALSE(b.Append(L"\nX"));
  EXPECT_EQ(Lines(b), (std::vector<std::wstring>{L"PX"}));
}

TEST(TextLineBuffer, BuffersThatCouldTakeNoText_AreRefused) {
  EXPECT_THROW(TextLineBuffer(0, 6, P), std::invalid_argument);
  EXPECT_THROW(TextLineBuffer(3, 1, P), std::invalid_argument);
  EXPECT_THROW(TextLineBuffer(3, 0, P), std::invalid_argument);
  EXPECT_NO_THROW(TextLineBuffer(3, 2, P));
}

TEST(TextLineBuffer, DiscardedCountsEveryLineThatWent) {
  TextLineBuffer b(3, 6, P);
  const struct {
    const wchar_t* text;
    std::size_t count;
    std::uint64_t discarded;
  } steps[] = {
      {L"A", 1, 0},
      {L"\nB\nC", 3, 0},
      {L"more", 3, 0},       // lengthens the newest line
      {L"\nD", 3, 1},
      {L"\nE\nF", 3, 3},     // one text, two lines gone
      {L"GHIJKLMN", 3, 4},   // wrapping starts lines too
      {L"\r\n\r\n", 3, 8},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(s.text)));
    b.Append(s.text);
    EXPECT_EQ(b.Count(), s.count);
    EXPECT_EQ(b.Discarded(), s.discarded);
  }
}
