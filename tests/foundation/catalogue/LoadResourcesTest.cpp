// Start-up loading of the dictionary and the catalogue: the shipped tables,
// and copies of them broken one way each.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/catalogue/AlarmTable.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/LogChannel.h"
#include "foundation/catalogue/StaticDictInd.h"
#include "foundation/core/TextConv.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using namespace PardeloStravon;
using namespace TestSupport;

namespace {

const std::wstring Closing = L"!!! Closing the application";

TEST(LoadResources, ShippedTables_LoadWithTheActivityLines) {
  LogCapture activity(ActivityLog);
  LogCapture errors(ErrorLog);
  EXPECT_EQ(LoadResources(ShippedFolder()), L"");
  EXPECT_EQ(activity.Text(),
            L"\nLoading the dictionary ... ... dictionary loaded ok!"
            L"\nTesting dictionary completeness ... ... dictionary completeness ok!");
  EXPECT_EQ(errors.Text(), L"");
}

// Every text that a shipped table names, in every shipped language: a
// translation that is empty, missing ("_") or the token itself is a gap.
TEST(LoadResources, ShippedTables_EveryCatalogueTokenIsTranslatedInEveryLanguage) {
  ASSERT_EQ(LoadResources(ShippedFolder()), L"");
  std::vector<int> tokens;
  for (const std::wstring& code : InstrCodes()) {
    const int instr = InstrPos(code);
    tokens.push_back(InstrRecAt(instr).alarmDefault);
    for (const int al : InstrAlListAt(instr)) tokens.push_back(AlRecAt(al).alText);
    for (const parPos p : InstrParListAt(instr)) {
      const ParRec& row = ParRecAt(p);
      tokens.insert(tokens.end(), {row.parSt, row.parDlg, row.parUser});
      for (const int rem : row.parRem) tokens.push_back(RemRecAt(rem).remUser);
      const GroupSubRec& sub = GroupSubRecAt(row.parSubGroup);
      const GroupRec& group = GroupRecAt(sub.groupSubGroup);
      tokens.insert(tokens.end(), {sub.groupSubDlg, sub.groupSubUser, group.groupDlg, group.groupUser});
    }
  }
  const auto languages = DictLanguages();
  ASSERT_GE(languages.size(), 2u);
  for (std::size_t l = 0; l < languages.size(); ++l) {
    SetCurrentLanguage(l);
    for (const int t : tokens) {
      const std::wstring& text = DictTextAt(t);
      EXPECT_FALSE(text.empty() || text == L"_" || text.rfind(L"CTW_", 0) == 0)
          << ToNarrow(languages[l].first) << " token position " << t << ": " << ToUtf8(text);
    }
  }
  SetCurrentLanguage(0);
}

struct Edit {
  const char* file;
  std::string from;  // an empty text removes the file
  std::string to;    // "</...>": the record from "from" to this end tag goes
};

struct BrokenCase {
  const char* name;
  std::vector<Edit> edits;
  std::wstring result;
  const wchar_t* logged;  // what ErrorLog holds before the result
};

std::wstring LoadFailed(const std::wstring& what) { return what + L" load failed" + Closing; }
std::wstring Repeated(const std::wstring& what, const std::wstring& list) {
  return what + L" unique keys repeated" + Closing + L". Repetition list: " + list;
}
const std::wstring Unexpected = L"Unexpected error loading XML resources" + Closing;

// A file that names no schema is only checked for being well formed.
const char* const SchemaRef = " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:noNamespaceSchemaLocation=";

TEST(LoadResources, BrokenTables_EndWithTheirOwnFailureText) {
  const BrokenCase cases[] = {
      {"missing language table", {{"tblLng.xml", "", ""}}, L"Dictionary load failed" + Closing,
       L"tblLng.xml file not found"},
      {"translation file one text short",
       {{"chkTrTo_it.xml", "<trTok><tokRef>CTW_AL_Door</tokRef>", "</trTok>"}},
       Unexpected, L""},
      {"missing group table", {{"chkGroup.xml", "", ""}}, LoadFailed(L"Group"),
       L"chkGroup.xml file not found"},
      {"malformed sub-group table", {{"chkGroupSub.xml", "</groupSubs>", ""}}, LoadFailed(L"Sub group"),
       L"Fatal Error at file"},
      {"schema lost", {{"chkRem.xsd", "", ""}}, LoadFailed(L"Rem"), L"chkRem.xsd file not found"},
      {"type code outside the schema", {{"chkParam.xml", "<parTy>Tper</parTy>", "<parTy>tper</parTy>"}},
       LoadFailed(L"Parameter"), L"Error at file"},
      {"instrument without revision", {{"chkInstr.xml", "<rev>4</rev>", ""}}, LoadFailed(L"Instrument"),
       L"Error at file"},
      {"missing instrument alarm table", {{"chkInstrAl.xml", "", ""}}, LoadFailed(L"Instrument"),
       L"chkInstrAl.xml file not found"},
      {"field missing where no schema checks",
       {{"chkGroup.xml", SchemaRef, " x="}, {"chkGroup.xml", "<groupSlDy>RD</groupSlDy>", ""}},
       LoadFailed(L"Group"), L"has no field \"groupSlDy\""},
      {"empty field where no schema checks",
       {{"chkParam.xml", SchemaRef, " x="}, {"chkParam.xml", "<parCMemo>Probe 1</parCMemo>", "<parCMemo/>"}},
       LoadFailed(L"Parameter"), L"has an empty field \"parCMemo\""},
      {"repeated group", {{"chkGroup.xml", "<groupId>G_SET</groupId>", "<groupId>G_READ</groupId>"}},
       Repeated(L"Group", L"'G_READ'"), L""},
      {"repeated sub-group", {{"chkGroupSub.xml", "<groupSubId>SG_C_SYS</groupSubId>", "<groupSubId>SG_C_NET</groupSubId>"}},
       Repeated(L"Sub group", L"'SG_C_NET'"), L""},
      {"repeated rem", {{"chkRem.xml", "<remId>R_DEFROST</remId>", "<remId>R_ADDR</remId>"}},
       Repeated(L"Rem", L"'R_ADDR'"), L""},
      {"repeated parameter", {{"chkParam.xml", "<parId>T_EVAP</parId>", "<parId>T_ROOM</parId>"}},
       Repeated(L"Parameter", L"'T_ROOM'"), L""},
      {"repeated instrument",
       {{"chkInstr.xml", "</instruments>",
         "<instrument><instrId>TC100</instrId><alarmDefault>CTW_AL_Unknown</alarmDefault>"
         "<doc><s>X</s><ver>1</ver><rev>1</rev></doc></instrument></instruments>"}},
       Repeated(L"Instrument", L"'TC100'"), L""},
      {"repeated alarm", {{"chkAlarm.xml", "<alId>A_T_LOW</alId>", "<alId>A_T_HIGH</alId>"}}, Unexpected,
       L"repeated alId 'A_T_HIGH'"},
      {"sub-group of a missing group",
       {{"chkGroupSub.xml", "<groupSubGroup>G_CONF</groupSubGroup>", "<groupSubGroup>G_NONE</groupSubGroup>"}},
       Unexpected, L"unknown groupSubGroup 'G_NONE'"},
      {"parameter of a missing rem", {{"chkParam.xml", "<parRem>R_PPM</parRem>", "<parRem>R_PPB</parRem>"}},
       Unexpected, L"unknown parRem 'R_PPB'"},
      {"instrument of a missing parameter", {{"chkInstrPar.xml", "<parRef>PAD_S</parRef>", "<parRef>PAD_X</parRef>"}},
       Unexpected, L"unknown parRef 'PAD_X'"},
      {"instrument of a missing alarm", {{"chkInstrAl.xml", "<alRef>A_MEMORY</alRef>", "<alRef>A_MEM</alRef>"}},
       Unexpected, L"unknown alRef 'A_MEM'"},
      {"alarm of an untranslated token", {{"chkAlarm.xml", "<alText>CTW_AL_Door</alText>", "<alText>CTW_AL_Doors</alText>"}},
       Unexpected, L"unknown alText 'CTW_AL_Doors'"},
      {"address bound a byte cannot hold", {{"chkParam.xml", "<parMax>247</parMax>", "<parMax>300</parMax>"}},
       Unexpected, L"parMax 300 of parameter 'NET_ADDR' does not fit its type UChr"},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    CopyShippedTables(dir);
    for (const Edit& e : c.edits) {
      if (e.from.empty())
        fs::remove(XmlDir(dir) / e.file);
      else if (e.to.rfind("</", 0) == 0)
        RemoveRecord(dir, e.file, e.from, e.to);
      else
        ReplaceInTable(dir, e.file, e.from, e.to);
    }
    LogCapture activity(ActivityLog);
    LogCapture errors(ErrorLog);
    EXPECT_EQ(LoadResources(dir.Wide()), c.result);

    const std::wstring log = errors.Text();
    const auto at = log.find(c.logged);
    EXPECT_NE(at, std::wstring::npos) << ToUtf8(log);
    // The failure text comes last; only a load failure ends without a line end.
    const std::wstring tail = c.result.find(L" load failed") != std::wstring::npos ? c.result : c.result + L"\n";
    EXPECT_TRUE(log.size() >= tail.size() && log.compare(log.size() - tail.size(), tail.size(), tail) == 0)
        << ToUtf8(log);
    if (c.result != L"Dictionary load failed" + Closing && c.result != Unexpected) {
      EXPECT_NE(activity.Text().find(L"dictionary completeness ok!"), std::wstring::npos);
    }
  }
}

TEST(LoadResources, RegisteredTokenMissingFromTheTokenTable_FailsCompleteness) {
  TempDir dir;
  CopyShippedTables(dir);
  // The token goes from the token table and from every translation file.
  ReplaceInTable(dir, "tblToTranslate.xml", "<tokId>CTW_OK</tokId>", "");
  for (const char* file : {"chkTrTo_en.xml", "chkTrTo_it.xml"})
    RemoveRecord(dir, file, "<trTok><tokRef>CTW_OK</tokRef>", "</trTok>");
  LogCapture errors(ErrorLog);
  EXPECT_EQ(LoadResources(dir.Wide()), L"Dictionary completeness failed" + Closing);
}

// Registering changes the process for good, so it happens in a child process.
TEST(LoadResourcesDeathTest, TokenRegisteredTwice_EndsBeforeAnyFileIsOpened) {
  testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(
      {
        RegisterToken(L"CTW_OK");
        RegisterToken(L"CTW_Cancel");
        LogCapture errors(ErrorLog);
        // No folder at all: a file opened would fail otherwise.
        const std::wstring text = LoadResources(L"/nonexistent-folder");
        const std::wstring expected = L"StaticDictInd unique tokens repeated" + Closing +
                                      L". Repetition list: 'CTW_OK','CTW_Cancel'";
        std::exit(text == expected && errors.Text() == expected + L"\n" ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
