#include <gtest/gtest.h>

#include "platform/LegacyArchive.h"

using Platform::LegacyArchive;
using Platform::LegacyArchiveError;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes Head(const Bytes& b, std::size_t n) { return Bytes(b.begin(), b.begin() + std::min(n, b.size())); }

struct StringCase {
  std::size_t length;
  Bytes wideHead;    // marker and length prefix of the wide form
  Bytes narrowHead;  // length prefix of the narrow form
};

const StringCase stringCases[] = {
    {0, {0xFF, 0xFE, 0xFF, 0x00}, {0x00}},
    {254, {0xFF, 0xFE, 0xFF, 0xFE}, {0xFE}},
    {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}, {0xFF, 0xFF, 0x00}},
    {65533, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}, {0xFF, 0xFD, 0xFF}},
    {65534, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00},
     {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    {70000, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00},
     {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
};

}  // namespace

TEST(LegacyArchive, StringsOfEveryLengthClass_HaveTheFrameworkPrefixesAndRoundTrip) {
  for (const StringCase& c : stringCases) {
    SCOPED_TRACE(c.length);
    std::u16string wide(c.length, u'\x20AC');
    LegacyArchive w;
    w.WriteWideString(wide);
    EXPECT_EQ(Head(w.Bytes(), c.wideHead.size()), c.wideHead);
    ASSERT_EQ(w.Bytes().size(), c.wideHead.size() + 2 * c.length);
    if (c.length) {
      EXPECT_EQ(w.Bytes()[c.wideHead.size()], 0xAC);
      EXPECT_EQ(w.Bytes()[c.wideHead.size() + 1], 0x20);
    }
    LegacyArchive r(w.Bytes());
    EXPECT_EQ(r.ReadString(), wide);
    EXPECT_EQ(r.Remaining(), 0u);

    std::string narrow(c.length, '\xE9');
    LegacyArchive wn;
    wn.WriteNarrowString(narrow);
    EXPECT_EQ(Head(wn.Bytes(), c.narrowHead.size()), c.narrowHead);
    ASSERT_EQ(wn.Bytes().size(), c.narrowHead.size() + c.length);
    LegacyArchive rn(wn.Bytes());
    // Narrow characters are widened as Latin-1.
    EXPECT_EQ(rn.ReadString(), std::u16string(c.length, u'\xE9'));
  }
}

TEST(LegacyArchive, FixedWidthFields_AreLittleEndian) {
  LegacyArchive w;
  w << std::int32_t(-2) << std::uint32_t(0x01020304u) << 7L << 0xFFFFFFFFul << true << false
    << 0.5f << std::uint16_t(0xBEEF) << std::uint8_t(9);
  const Bytes expected = {0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x07, 0, 0, 0,
                          0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0x00, 0x3F,
                          0xEF, 0xBE, 0x09};
  EXPECT_EQ(w.Bytes(), expected);

  LegacyArchive r(expected);
  std::int32_t i;
  std::uint32_t u;
  long l;
  unsigned long ul;
  bool t, f;
  float fl;
  std::uint16_t s;
  std::uint8_t b;
  r >> i >> u >> l >> ul >> t >> f >> fl >> s >> b;
  EXPECT_EQ(i, -2);
  EXPECT_EQ(u, 0x01020304u);
  EXPECT_EQ(l, 7);
  EXPECT_EQ(ul, 0xFFFFFFFFul);
  EXPECT_TRUE(t);
  EXPECT_FALSE(f);
  EXPECT_EQ(fl, 0.5f);
  EXPECT_EQ(s, 0xBEEF);
  EXPECT_EQ(b, 9);
}

TEST(LegacyArchive, AnyNonZeroByte_ReadsAsTrue) {
  LegacyArchive r(Bytes{0x02});
  bool v = false;
  r >> v;
  EXPECT_TRUE(v);
}

TEST(LegacyArchive, TruncatedOrLyingInput_FailsClearlyWithoutAllocating) {
  const Bytes cases[] = {
      {},                                            // nothing where an int is due
      {0x01, 0x02},                                  // half an int
      {0xFF, 0xFE, 0xFF, 0x05, 0x41, 0x00},          // wide string of 5 with 1 unit
      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},    // narrow length 2^31-1, no text
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},  // wide length 2^32-1
  };
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(k);
    LegacyArchive r(cases[k]);
    if (k < 2) {
      std::int32_t v;
      EXPECT_THROW(r >> v, LegacyArchiveError);
    } else {
      try {
        r.ReadString();
        FAIL() << "a lying length was accepted";
      } catch (const LegacyArchiveError& e) {
        EXPECT_NE(std::string(e.what()).find("only"), std::string::npos) << e.what();
      }
    }
  }
}

TEST(LegacyArchive, ValuesTooWideForFourBytes_AreRefused) {
  LegacyArchive w;
  EXPECT_THROW(w << (1L << 40), LegacyArchiveError);
  EXPECT_TRUE(w.Bytes().empty());
}
