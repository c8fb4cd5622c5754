#include <gtest/gtest.h>

#include "document/DocLegacyFormat.h"
#include "document/DocXmlFormat.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/FrameworkAdapters.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "tests/document/DocChanged.h"
#include "tests/document/DocFixture.h"
#include "tests/support/LegacyBytes.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

class DocRoundTrip : public DocFixture {
 public:
  std::vector<std::uint8_t> Legacy() { return SaveDocLegacy(F()); }
};

TEST_F(DocRoundTrip, Xml_EveryFieldComesBackAndTheBytesRepeat) {
  ChangeEverything(Fresh());
  const std::string first = SaveDocXml(F());
  Fresh();
  LoadDocXml(F(), first);
  EXPECT_EQ(Data().pass_, L"line\nfeed\rreturn\U0001F600");
  EXPECT_EQ(Data().passSup_, L"<sup&>\u00E9");
  EXPECT_EQ(FaceName(Fonts().oLF_), L"\u0141\u00F3d\u017A");
  EXPECT_EQ(Data().lng_, 7u);
  EXPECT_EQ(Data().prgRows_, 12);
  EXPECT_TRUE(Graph().gphIsP_);
  EXPECT_EQ(Graph().gphDAg_, 33.5f);
  EXPECT_EQ(Fonts().pRGB_, 0x070809u);
  EXPECT_EQ(Std().NetOpt().Options().intNetAlarm_, 777);
  EXPECT_EQ(Std().NetOpt().Network().GetPresent(3).Opt().nm_.get(), L"Room <3> & \u0141");
  EXPECT_EQ(SaveDocXml(F()), first);
}

TEST_F(DocRoundTrip, Legacy_KeepsWhatTheFormatHoldsAndDefaultsTheRest) {
  ChangeEverything(Fresh());
  const auto first = Legacy();
  Fresh();
  LoadDocLegacyBytes(F(), first);
  EXPECT_EQ(Data().pass_, L"line\nfeed\rreturn\U0001F600");
  EXPECT_EQ(FaceName(Fonts().oLF_), L"\u0141\u00F3d\u017A");
  EXPECT_EQ(FaceName(Fonts().sLF_), L"\u4E2D\u6587");
  EXPECT_EQ(Data().lng_, 7u);
  EXPECT_EQ(Graph().gphDAg_, 33.5f);
  EXPECT_EQ(Graph().dteFmt_.get().Text(), L"%d/%m <%H>");
  EXPECT_EQ(Fonts().sRGB_, 0x040506u);
  EXPECT_EQ(Std().NetOpt().Options().intNetAlarm_, 777);
  EXPECT_EQ(Std().NetOpt().Network().Size(), 2u);
  // Not held: passSup_, pLF_, pRGB_, prgRows_, tm_dhms_, gphIsP_.
  EXPECT_EQ(Data().passSup_, L"");
  EXPECT_EQ(Fonts().pLF_.get(), LGF_program);
  EXPECT_EQ(Fonts().pRGB_, 0u);
  EXPECT_EQ(Data().prgRows_, 44);
  EXPECT_TRUE(Data().tm_dhms_);
  EXPECT_FALSE(Graph().gphIsP_);
  EXPECT_EQ(Legacy(), first);
  SetCurrentLanguage(0);
}

TEST_F(DocRoundTrip, FromOneFormatIntoTheOther_KeepsWhatTheSecondHolds) {
  // XML into legacy: what the legacy file holds, the defaults for the rest.
  ChangeEverything(Fresh());
  LoadDocXml(F(), SaveDocXml(F()));
  const auto legacy = Legacy();
  Fresh();
  LoadDocLegacyBytes(F(), legacy);
  const std::string fromLegacy = SaveDocXml(F());
  // Legacy into XML: the XML file holds all of it.
  Fresh();
  LoadDocXml(F(), fromLegacy);
  EXPECT_EQ(Legacy(), legacy);
  EXPECT_EQ(Data().passSup_, L"");
  EXPECT_EQ(Data().prgRows_, 44);
  EXPECT_EQ(SaveDocXml(F()), fromLegacy);
  SetCurrentLanguage(0);
}

// The expected file, value by value from the layout of the written file;
// the network's pieces come from the network's own writer.
LegacyBytes NarrowFont(int height, const std::string& face) {
  LegacyBytes b;
  b.Int(60).Int(height).Int(0).Int(0).Int(0).Int(700);
  for (std::uint8_t x : {0, 1, 0, 0, 3, 2, 1, 34}) b.b.push_back(x);
  for (std::size_t i = 0; i < 32; ++i) b.b.push_back(i < face.size() ? face[i] : 0);
  return b;
}

LegacyBytes WideFont(int height, const std::u16string& face) {
  LegacyBytes b;
  b.Int(92).Int(height).Int(0).Int(0).Int(0).Int(700);
  for (std::uint8_t x : {0, 1, 0, 0, 3, 2, 1, 34}) b.b.push_back(x);
  for (std::size_t i = 0; i < 32; ++i) {
    const char16_t c = i < face.size() ? face[i] : 0;
    b.b.push_back(c & 0xFF);
    b.b.push_back(c >> 8);
  }
  return b;
}

LegacyBytes Graph23() {
  LegacyBytes b;
  for (const std::uint8_t x : {0x00, 0x00, 0x80, 0x3E, 0x00, 0x00, 0x06, 0x42}) b.b.push_back(x);
  b.Bool(false).Bool(true).Str(L"%d/%m <%H>").Str(L"%7.3f & more");
  return b;
}

TEST_F(DocRoundTrip, LegacyWriting_IsVersion25WithBlocks22To25) {
  ChangeEverything(Fresh());
  auto net = [this](int block) {
    LegacyArchive ar;
    Std().NetOpt().SerializeLegacy(ar, block, true);
    LegacyBytes b;
    b.b = ar.Bytes();
    return b;
  };
  // The stored password, written out by hand from the key bytes
  // 91 AE CB E8 05 22 3F 5C 79 96 B3 D0 ED 0A 27 44 61 7E 9B B8 D5.
  std::wstring stored;
  const std::u16string clear = u"line\nfeed\rreturn\U0001F600";
  const unsigned keys[] = {0x91, 0xAE, 0xCB, 0xE8, 0x05, 0x22, 0x3F, 0x5C, 0x79, 0x96, 0xB3,
                           0xD0, 0xED, 0x0A, 0x27, 0x44, 0x61, 0x7E, 0x9B, 0xB8, 0xD5};
  LegacyBytes pass;
  pass.b = {0xFF, 0xFE, 0xFF, static_cast<std::uint8_t>(clear.size())};
  for (std::size_t i = 0; i < clear.size(); ++i) {
    const unsigned low = clear[i] & 0xFF, x = low ^ keys[i];
    const unsigned unit = (low == 0 || x == 0) ? clear[i] : ((clear[i] & 0xFF00) | x);
    pass.b.push_back(unit & 0xFF);
    pass.b.push_back(unit >> 8);
  }
  LegacyBytes e;
  e.Int(25).Append(pass);
  e.Int(0x010203).Append(NarrowFont(-12, "A\xF3\x64\x7A"));  // U+0141 stored as 41
  e.Int(0x040506).Append(NarrowFont(-13, "\x2D\x87"));
  e.Int(0x123456).Append(NarrowFont(-11, "Gr\x01ph"));
  e.Append(net(22));
  e.Append(Graph23()).Append(net(23));
  e.Int(7).Append(net(24));
  e.Append(pass);
  e.Int(0x010203).Append(WideFont(-12, u"\u0141\u00F3d\u017A"));
  e.Int(0x040506).Append(WideFont(-13, u"\u4E2D\u6587"));
  e.Int(0x123456).Append(WideFont(-11, u"Gr\u0101ph"));
  e.Append(Graph23()).Int(7).Append(net(25));
  EXPECT_EQ(Legacy(), e.b);
  ASSERT_GE(e.b.size(), 4u);
  EXPECT_EQ(std::vector<std::uint8_t>(e.b.begin(), e.b.begin() + 4),
            (std::vector<std::uint8_t>{0x19, 0, 0, 0}));
}

TEST_F(DocRoundTrip, LegacySave_OfANodeDueAfter2038_FailsAndKeepsTheOldFile) {
  ChangeEverything(Fresh(), 3000000000L);
  WriteFileBytes(dir_.File("net.qzi"), "old");
  EXPECT_EQ(Hlp().SerializeDocLegacy(PathOf("net.qzi"), true), QziDocIHlp::LegacyResult::failed);
  EXPECT_EQ(ReadFileBytes(dir_.File("net.qzi")), "old");
  EXPECT_EQ(errors_.Count(L"Error in QziDocIHlp::SerializeDocLegacy! what= "), 1);
  EXPECT_NE(errors_.Text().find(L"3000000000"), std::wstring::npos) << errors_.Text();
}

}  // namespace
