#include <gtest/gtest.h>

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
