#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "document/DocLegacyFormat.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/FrameworkAdapters.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/LegacyFormat.h"
#include "network/nodes/Node.h"
#include "tests/document/DocFixture.h"
#include "tests/document/HexFile.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

using Result = QziDocIHlp::LegacyResult;

class DocLegacy : public DocFixture {
 public:
  // Content made under language 1, loaded while the program shows 0.
  Result Load(const std::string& hexName, const std::string& fileName = "net.qzi") {
    SetCurrentLanguage(1);
    Fresh();
    SetCurrentLanguage(0);
    shell_.messages_.clear();
    shell_.appStringLanguages_.clear();
    errors_.Clear();
    const auto bytes = HexFileBytes(Golden("legacy/" + hexName));
    WriteFileBytes(dir_.File(fileName), std::string(bytes.begin(), bytes.end()));
    // Loading emits no document signal: the caller refreshes afterwards.
    int signals = 0;
    const boost::signals2::scoped_connection c =
        Std().ConnectDocSignal([&signals](int, DocSignal) { ++signals; });
    const Result result = Hlp().SerializeDocLegacy(PathOf(fileName), false);
    EXPECT_EQ(signals, 0);
    return result;
  }
  NetOptRecord Options() { return Std().NetOpt().Options(); }
  InstrNet& Net() { return Std().NetOpt().Network(); }
};

LOGFONTW Narrow(int height, int weight) {
  LOGFONTW lf = LGF_options;
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfItalic = 1;
  SetFaceName(lf, L"T\u00E9ma");
  return lf;
}

LOGFONTW Wide(int height, int weight) {
  LOGFONTW lf = Narrow(height, weight);
  SetFaceName(lf, L"\u0141\u00F3d\u017A");
  return lf;
}

struct Row {
  const char* file;
  Result result;
  int messages;
  int languageApplied;          // times the names were re-applied
  const wchar_t* recordHas;     // empty: no record
  std::function<void(DocLegacy&)> check;
};

void OldOptions(const NetOptRecord& o, int version) {
  EXPECT_TRUE(o.rxEn_);
  EXPECT_TRUE(o.periodicBroadcastEn_[0]);
  EXPECT_EQ(o.periodicBroadcastInt_[0], 15);
  EXPECT_FALSE(o.onNetAlarm_);
  EXPECT_EQ(o.intNetAlarm_, 450);
  EXPECT_EQ(o.periodicBroadcastEn_[1], version >= 16);
  EXPECT_EQ(o.periodicBroadcastInt_[2], version >= 16 ? 35 : 60);
  EXPECT_EQ(o.periodicBroadcastAddr_[1], version >= 17 ? 8 : 1);
}

void DefaultDocValues(DocLegacy& t, bool fonts) {
  EXPECT_EQ(t.Data().pass_, L"");
  if (!fonts) {
    EXPECT_EQ(t.Fonts().oLF_.get(), LGF_options);
    EXPECT_EQ(t.Fonts().oRGB_, 0u);
  }
  EXPECT_EQ(t.Graph().gphLTh_, 0.5f);
  EXPECT_EQ(t.Data().lng_, 1u);
}

void NarrowFonts(DocLegacy& t) {
  EXPECT_EQ(t.Fonts().oLF_.get(), Narrow(-13, 700));
  EXPECT_EQ(t.Fonts().sLF_.get(), Narrow(-14, 400));
  EXPECT_EQ(t.Graph().gLF_.get(), Narrow(-15, 400));
  EXPECT_EQ(t.Fonts().oRGB_, 0x0000FFu);
  EXPECT_EQ(t.Fonts().sRGB_, 0x00FF00u);
  EXPECT_EQ(t.Graph().gRGB_, 0xFF0000u);
  EXPECT_EQ(t.Fonts().pLF_.get(), LGF_program);
}

void Block22(DocLegacy& t) {
  EXPECT_EQ(t.Data().pass_, L"pw\u0141");
  NarrowFonts(t);
  OldOptions(t.Std().NetOpt().Options(), 22);
  ASSERT_EQ(t.Std().NetOpt().Network().Size(), 2u);
  const Node& n = t.Std().NetOpt().Network().GetPresent(12);
  EXPECT_EQ(n.Type().Code(), TurnSettableType);
  EXPECT_EQ(n.Opt().nm_.get(), L"Cella 12");
  EXPECT_EQ(n.OptSt()[1].stTextOpt_, L"T-b");
  EXPECT_EQ(n.State().vn_, 2006);
}

void Graph23(DocLegacy& t) {
  EXPECT_EQ(t.Graph().gphLTh_, 0.75f);
  EXPECT_EQ(t.Graph().gphDAg_, 45.0f);
  EXPECT_FALSE(t.Graph().gphDRA_);
  EXPECT_TRUE(t.Graph().gphRSp_);
  EXPECT_EQ(t.Graph().dteFmt_.get().Text(), L"%d.%m.%Y");
  EXPECT_EQ(t.Graph().gphNFm_.get(), L"%6.2f");
}

void Block25(DocLegacy& t) {
  EXPECT_EQ(t.Data().pass_, L"new\u0142");
  EXPECT_EQ(t.Fonts().oLF_.get(), Wide(-21, 700));
  EXPECT_EQ(t.Fonts().sLF_.get(), Wide(-22, 400));
  EXPECT_EQ(t.Graph().gLF_.get(), Wide(-23, 400));
  EXPECT_EQ(t.Fonts().oRGB_, 0x000080u);
  EXPECT_EQ(t.Graph().gphLTh_, 1.25f);
  EXPECT_EQ(t.Graph().dteFmt_.get().Text(), L"%H:%M");
  EXPECT_EQ(t.Data().lng_, 1u);  // block 24's 7 was dropped
  EXPECT_EQ(CurrentLanguage(), 1u);
  const NetOptRecord o = t.Std().NetOpt().Options();
  EXPECT_EQ(o.periodicBroadcastAddr_[2], 19);
  EXPECT_EQ(o.intNetAlarm_, 650);
  ASSERT_EQ(t.Std().NetOpt().Network().Size(), 2u);
  EXPECT_EQ(t.Std().NetOpt().Network().GetPresent(13).Opt().nm_.get(), L"Cella 13");
  EXPECT_EQ(t.Std().NetOpt().Network().GetPresent(6).OptSt()[0].stTextOpt_, L"Aria6");
  // What the format does not hold keeps its default.
  EXPECT_EQ(t.Data().passSup_, L"");
  EXPECT_EQ(t.Data().prgRows_, 44);
  EXPECT_FALSE(t.Graph().gphIsP_);
}

const Row Rows[] = {
    {"v14.hex", Result::failed, 1, 0, L"what= ", nullptr},
    {"v15.hex", Result::withoutInstruments, 1, 1, L"version 15",
     [](DocLegacy& t) { OldOptions(t.Options(), 15); DefaultDocValues(t, false); }},
    {"v16.hex", Result::withoutInstruments, 1, 1, L"version 16",
     [](DocLegacy& t) { OldOptions(t.Options(), 16); }},
    {"v17.hex", Result::withoutInstruments, 1, 1, L"version 17",
     [](DocLegacy& t) { OldOptions(t.Options(), 17); }},
    {"v19.hex", Result::withoutInstruments, 1, 1, L"version 19",
     [](DocLegacy& t) { OldOptions(t.Options(), 19); DefaultDocValues(t, false); }},
    {"v20.hex", Result::withoutInstruments, 1, 1, L"version 20",
     [](DocLegacy& t) { NarrowFonts(t); DefaultDocValues(t, true); }},
    {"v21.hex", Result::withoutInstruments, 1, 1, L"version 21",
     [](DocLegacy& t) { NarrowFonts(t); EXPECT_EQ(t.Data().pass_, L"pw\u0141"); }},
    {"v22.hex", Result::whole, 0, 1, L"", [](DocLegacy& t) { Block22(t); }},
    {"v23.hex", Result::whole, 0, 2, L"", [](DocLegacy& t) { Block22(t); Graph23(t); }},
    {"v24.hex", Result::whole, 0, 3, L"",
     [](DocLegacy& t) { Block22(t); Graph23(t); EXPECT_EQ(t.Data().lng_, 1u); }},
    {"v25.hex", Result::whole, 0, 4, L"", [](DocLegacy& t) { Block25(t); }},
    {"v26.hex", Result::whole, 0, 4, L"", [](DocLegacy& t) { Block25(t); }},
    {"v30.hex", Result::whole, 0, 4, L"", [](DocLegacy& t) { Block25(t); }},
    {"empty.hex", Result::whole, 0, 0, L"", [](DocLegacy& t) { DefaultDocValues(t, false); }},
    {"font61.hex", Result::failed, 0, 0, L"In UVector2Struct", nullptr},
    {"cutstring.hex", Result::failed, 0, 0, L"offset 8", nullptr},
    {"badstatus.hex", Result::failed, 1, 1, L"status list", nullptr},
    {"nanfloat.hex", Result::whole, 0, 2, L"gphLTh_",
     [](DocLegacy& t) { EXPECT_EQ(t.Graph().gphLTh_, 0.5f); EXPECT_EQ(t.Graph().gphDAg_, 45.0f); }},
    {"address0.hex", Result::failed, 0, 1, L"what= ", nullptr},
    {"unknowntype.hex", Result::failed, 0, 1, L"catalogue does not hold", nullptr},
};

TEST_F(DocLegacy, EachHandMadeFileLoadsAsItsVersionSays) {
  for (const Row& row : Rows) {
    SCOPED_TRACE(row.file);
    const Result result = Load(row.file);
    EXPECT_EQ(result, row.result);
    EXPECT_EQ(static_cast<int>(shell_.messages_.size()), row.messages);
    for (const auto& m : shell_.messages_) EXPECT_EQ(m, InvalidQziFormatText);
    const std::wstring record = errors_.Text();
    if (*row.recordHas) {
      EXPECT_EQ(errors_.Count(L"Error in QziDocIHlp::SerializeDocLegacy!"), 1) << record;
      EXPECT_NE(record.find(row.recordHas), std::wstring::npos) << record;
      EXPECT_NE(record.find(PathOf("net.qzi")), std::wstring::npos) << record;
    } else {
      EXPECT_EQ(record, L"");
    }
    if (row.result == Result::failed) {
      // The names re-applied after each block, then once more for the
      // language put back.
      EXPECT_EQ(CurrentLanguage(), 0u);
      EXPECT_EQ(static_cast<int>(shell_.appStringLanguages_.size()), row.languageApplied + 1);
    } else {
      EXPECT_EQ(static_cast<int>(shell_.appStringLanguages_.size()), row.languageApplied);
      EXPECT_FALSE(Std().IsModified());
      if (row.check) row.check(*this);
    }
  }
  SetCurrentLanguage(0);
}

}  // namespace
