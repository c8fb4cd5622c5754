#include <gtest/gtest.h>

#include "document/DocXmlFormat.h"
#include "document/DocXmlText.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/FrameworkAdapters.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/Node.h"
#include "foundation/catalogue/InstrTable.h"
#include "tests/document/DocChanged.h"
#include "tests/document/DocFixture.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

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

// Where two large texts first differ, and a little of each from there: a
// failure shows that instead of a diff of megabytes.
std::string FirstDifference(const std::string& a, const std::string& b) {
  const auto at = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  if (at.first == a.end() && at.second == b.end()) return "";
  const std::size_t offset = static_cast<std::size_t>(at.first - a.begin());
  return "at byte " + std::to_string(offset) + ": \"" + a.substr(offset, 40) + "\" / \"" +
         b.substr(offset, 40) + "\"";
}

// The file is Boost's own archive of the document, encoded, on a network
// whose text crosses the pieces the streams convert many times, with names
// to escape, characters beyond U+FFFF and line breaks.
TEST_F(DocXml, ManyInstruments_TheBytesAreBoostsArchiveEncodedAndReadBack) {
  ChangeEverything(Fresh());
  AddEveryType(F());
  InstrNet& net = Std().NetOpt().Network();
  const std::wstring names[] = {L"<&>\"'", L"\u00E9\u20AC\U0001F600", L"a\nb\r\nc", L"plain"};
  const std::vector<std::wstring> codes = InstrCodes();
  for (int address = 20; address < 90; ++address) {
    Node n(codes[address % codes.size()]);
    n.Opt().nm_ = names[address % 4] + std::to_wstring(address);
    net.InsertNew(address, n);
  }
  std::wostringstream reference;
  SaveDocXmlArchive(F(), reference);
  ASSERT_GT(reference.str().size(), 100000u);
  const std::string bytes = SaveDocXml(F());
  EXPECT_EQ(FirstDifference(bytes, EncodeDocText(reference.str())), "");
  const std::size_t size = net.Size();
  Fresh();
  LoadDocXml(F(), bytes);
  EXPECT_EQ(Std().NetOpt().Network().Size(), size);
  EXPECT_EQ(Std().NetOpt().Network().GetPresent(22).Opt().nm_.get(), L"a\nb\r\nc22");
  EXPECT_EQ(FirstDifference(SaveDocXml(F()), bytes), "");
}

TEST_F(DocXml, ACharacterBeyondUnicode_FailsTheSaveNamingIt) {
  Fresh();
  Node n(OneRunType);
  n.Opt().nm_ = std::wstring(1, static_cast<wchar_t>(0x110000));
  Std().NetOpt().Network().InsertNew(4, n);
  try {
    SaveDocXml(F());
    ADD_FAILURE() << "saved";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("beyond U+10FFFF"), std::string::npos) << e.what();
  }
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
  int signals = 0;
  const boost::signals2::scoped_connection connection =
      Std().ConnectDocSignal([&signals](int, DocSignal) { ++signals; });
  WriteFileBytes(dir_.File(c.name), Golden(c.name));
  ASSERT_TRUE(Hlp().PortableSerialize(PathOf(c.name), false)) << errors_.Text();
  EXPECT_EQ(signals, 0);  // the caller refreshes after a load
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

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at == std::string::npos) ADD_FAILURE() << "not in the file: " << from;
  else text.replace(at, from.size(), to);
  return text;
}

std::string CutAfter(const std::string& text, const std::string& piece) {
  const auto at = text.find(piece);
  if (at == std::string::npos) ADD_FAILURE() << "not in the file: " << piece;
  return text.substr(0, at + piece.size());
}

struct BadXml {
  const char* name;
  std::string bytes;
  const char* file;         // the document's file name
  const wchar_t* cause;     // part of the record
  bool standard;            // the record carries "what= "
};

std::vector<BadXml> BadXmlFiles() {
  const std::string good = Golden("new.qzid");
  const std::string withNode = Golden("old-pass1.qzid");
  const std::string srgb = "\t\t<sRGB_>\r\n\t\t\t<v>0</v>\r\n\t\t</sRGB_>\r\n";
  std::string legacy("\x19\0\0\0\0\0\0\0", 8);
  return {
      {"element missing", Replaced(good, srgb, ""), "a.qzid", L"XML start/end tag mismatch", true},
      {"element renamed",
       Replaced(Replaced(good, "<gO.gphDAg_ ", "<gO.gphDAx_ "), "</gO.gphDAg_>", "</gO.gphDAx_>"),
       "a.qzid", L"gO.gphDAg_", true},
      {"element added", Replaced(good, "\t\t</gO_>", "\t\t\t<extra_>1</extra_>\r\n\t\t</gO_>"),
       "a.qzid", L"input stream error", true},
      {"elements out of order",
       Replaced(Replaced(good, "<oRGB_>", "<sRGB_>"), "</oRGB_>", "</sRGB_>"), "a.qzid",
       L"XML start/end tag mismatch", true},
      {"a legacy file under capitals", legacy, "net.QZI", L"\"qzi\" in small letters", true},
      {"cut inside an element", good.substr(0, good.size() / 2), "a.qzid", L"a.qzid", true},
      {"cut right after the object", CutAfter(good, "</qziDocF_>"), "a.qzid",
       L"the end of the archive is missing or damaged", true},
      {"cut inside the end tag", CutAfter(good, "</boost_seri"), "a.qzid",
       L"the end of the archive is missing or damaged", true},
      {"more after the end tag", good + "<x/>", "a.qzid", L"the end of the archive is missing or damaged", true},
      {"password format version 0",
       Replaced(good, "tracking_level=\"0\" version=\"2\"", "tracking_level=\"0\" version=\"0\""),
       "a.qzid", L"format version 0", false},
      {"password format version 3",
       Replaced(good, "tracking_level=\"0\" version=\"2\"", "tracking_level=\"0\" version=\"3\""),
       "a.qzid", L"format version 3", false},
      {"a node's count 2000000000",
       Replaced(withNode, "<vIPOSt_ class_id=\"32\" tracking_level=\"0\" version=\"0\"><count>3",
                "<vIPOSt_ class_id=\"32\" tracking_level=\"0\" version=\"0\"><count>2000000000"),
       "a.qzid", L"vIPOSt_    .size()==size", true},
      {"a class number beyond those seen", Replaced(good, "<pIN_ class_id=\"28\"", "<pIN_ class_id=\"999\""),
       "a.qzid", L"class number out of sequence", true},
      {"a float nan", Replaced(good, "<v>5.000000000e-01</v>", "<v>nan</v>"), "a.qzid", L"a.qzid",
       true},
      {"bytes that are no UTF-8", Replaced(good, "%5.1f", "%5\xC3\x28" "f"), "a.qzid",
       L"not valid UTF-8 at byte offset", true},
      {"an unknown instrument type", Replaced(withNode, "TST_ONERUN", "TST_NOSUCH"), "a.qzid",
       L"an instrument type that the catalogue does not hold", false},
  };
}

class DocXmlFailures : public DocFixture {};

TEST_F(DocXmlFailures, EachBadFileFailsWithOneRecordNamingTheFileAndTheCause) {
  for (const BadXml& c : BadXmlFiles()) {
    SCOPED_TRACE(c.name);
    Fresh();
    WriteFileBytes(dir_.File(c.file), c.bytes);
    errors_.Clear();
    EXPECT_FALSE(Hlp().PortableSerialize(PathOf(c.file), false));
    const std::wstring record = errors_.Text();
    const std::wstring head = c.standard ? L"Error in QziDocIHlp::PortableSerialize! what= "
                                         : L"Error in QziDocIHlp::PortableSerialize! ";
    EXPECT_EQ(errors_.Count(L"Error in "), 1) << record;
    EXPECT_NE(record.find(head), std::wstring::npos) << record;
    EXPECT_EQ(record.find(L"what= ") != std::wstring::npos, c.standard) << record;
    EXPECT_NE(record.find(L" in the document file " + PathOf(c.file)), std::wstring::npos) << record;
    EXPECT_NE(record.find(c.cause), std::wstring::npos) << record;
    EXPECT_EQ(ReadFileBytes(dir_.File(c.file)), c.bytes);
    std::filesystem::remove(dir_.File(c.file));
  }
  errors_.Clear();
  EXPECT_FALSE(Hlp().PortableSerialize(PathOf("missing.qzid"), false));
  EXPECT_EQ(errors_.Text(), L"");
}

}  // namespace
