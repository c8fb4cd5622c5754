#include <gtest/gtest.h>

#include "document/DocXmlFormat.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/FrameworkAdapters.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/Node.h"
#include "foundation/catalogue/InstrTable.h"
#include "tests/document/DocFixture.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

class DocXml : public DocFixture {};

TEST_F(DocXml, NewDocumentSavedAtOnce_IsTheHandWrittenFile) {
  SetCurrentLanguage(1);
  Fresh();
  const std::string bytes = SaveDocXml(F());
  const std::string golden = Golden("new.qzid");
  EXPECT_EQ(bytes, golden);
  const std::wstring path = PathOf("new.qzid");
  ASSERT_TRUE(Hlp().PortableSerialize(path, true));
  EXPECT_EQ(ReadFileBytes(dir_.File("new.qzid")), golden);
  EXPECT_EQ(errors_.Text(), L"");
  SetCurrentLanguage(0);
}

}  // namespace

namespace {

struct OldFile {
  const char* name;
  int passVersion;
  std::wstring pass;
  std::wstring passSup;
};

class DocXmlOldFiles : public DocFixture, public testing::WithParamInterface<OldFile> {};

LOGFONTW Font(int height, int weight, const wchar_t* face) {
  LOGFONTW lf = LGF_options;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfItalic = 1;
  SetFaceName(lf, face);
  return lf;
}

// Files as the older Boost generation wrote them: archive version 3, no
// item_version, floats such as "0.75", every field away from its default.
TEST_P(DocXmlOldFiles, EveryFieldLoads) {
  const OldFile& c = GetParam();
  Fresh();
  LoadDocXml(F(), Golden(c.name));
  const GraphOptions& g = Graph();
  EXPECT_EQ(g.gLF_.get(), Font(-13, 700, L"Tahoma"));
  EXPECT_EQ(g.gRGB_, 255u);
  EXPECT_EQ(g.gphLTh_, 0.75f);
  EXPECT_EQ(g.gphDAg_, 45.0f);
  EXPECT_FALSE(g.gphDRA_);
  EXPECT_TRUE(g.gphRSp_);
  EXPECT_TRUE(g.gphIsP_);
  EXPECT_EQ(g.dteFmt_.get().Text(), L"%d.%m.%Y");
  EXPECT_EQ(g.gphNFm_.get(), L"%6.2f");
  const QziDocIMFC& m = Fonts();
  EXPECT_EQ(m.oLF_.get(), Font(-15, 400, L"Verdana"));
  EXPECT_EQ(m.sLF_.get(), Font(-16, 400, L"Courier New"));
  EXPECT_EQ(m.pLF_.get(), Font(-17, 400, L"Times"));
  EXPECT_EQ(m.oRGB_, 1u);
  EXPECT_EQ(m.sRGB_, 2u);
  EXPECT_EQ(m.pRGB_, 16777215u);
  EXPECT_EQ(Std().GetPass(), c.pass);
  EXPECT_EQ(Std().GetPassSup(), c.passSup);
  EXPECT_EQ(Std().GetLanguage(), 1u);
  EXPECT_EQ(Std().GetPrgRows(), 30);
  EXPECT_FALSE(Std().GetTmDhms());
  const NetOptRecord o = Std().NetOpt().Options();
  EXPECT_TRUE(o.rxEn_);
  EXPECT_TRUE(o.periodicBroadcastEn_[0] && !o.periodicBroadcastEn_[1] && o.periodicBroadcastEn_[2]);
  EXPECT_EQ(o.periodicBroadcastInt_[2], 35);
  EXPECT_EQ(o.periodicBroadcastAddr_[1], 8);
  EXPECT_FALSE(o.onNetAlarm_);
  EXPECT_EQ(o.intNetAlarm_, 450);
  ASSERT_EQ(Std().NetOpt().Network().Size(), 1u);
  const Node& n = Std().NetOpt().Network().GetPresent(5);
  EXPECT_EQ(n.Type().Code(), OneRunType);
  EXPECT_EQ(n.Opt().nm_.get(), L"Cella 5");
  EXPECT_EQ(n.OptFrmGrp()[0].frmTextOptGrp_, L"Grp1");
  EXPECT_EQ(n.State().vn_, 1006);
  EXPECT_FALSE(Std().IsModified());

  // Saved again, the passwords are written in format version 2 and read back.
  const std::string again = SaveDocXml(F());
  EXPECT_NE(again.find("<PassWrap_pass_ class_id=\"19\" tracking_level=\"0\" version=\"2\">"),
            std::string::npos);
  Fresh();
  LoadDocXml(F(), again);
  EXPECT_EQ(Std().GetPass(), c.pass);
  EXPECT_EQ(Std().GetPassSup(), c.passSup);
  EXPECT_EQ(SaveDocXml(F()), again);
}

// Version 1 holds the passwords in clear; version 2 holds the stored forms
// "p\nq\rr" and "<&" U+1F600 "x", whose clear texts follow from the key.
INSTANTIATE_TEST_SUITE_P(
    Files, DocXmlOldFiles,
    testing::Values(OldFile{"old-pass1.qzid", 1, L"a\nb\rc", L"<&\U0001F600x"},
                    OldFile{"old-pass2.qzid", 2, L"\u00E1\u00A4\u00BA\u00E5w",
                            L"\u00AD\u0088\U0004DA00}"}),
    [](const testing::TestParamInfo<OldFile>& info) {
      return "PassVersion" + std::to_string(info.param.passVersion);
    });

}  // namespace
