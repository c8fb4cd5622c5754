#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/TextConv.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/TempDir.h"

namespace TestSupport {

const std::wstring OneRunType = L"TST_ONERUN";
const std::wstring TurnSettableType = L"TST_TURNSET";
const std::wstring SettableFirstType = L"TST_SETFIRST";
const std::wstring ReturningSubType = L"TST_SUBAGAIN";
const std::wstring SparseFrameType = L"TST_SPARSE";
const std::wstring PaddedType = L"TST_PADDED";
const std::wstring MoreRunsType = L"TST_MORERUNS";
const std::wstring LargeType = L"TST_LARGE";

namespace {

struct TestPar {
  std::string id;
  std::string type;
  std::string subGroup;
  std::string flags;  // marker elements, in the table's order
};

// Texts borrow shipped tokens: only the flags and the sub-groups matter.
std::string ParamRecord(const TestPar& p) {
  return "<param><parId>" + p.id + "</parId><parTy>" + p.type +
         "</parTy><parSt>CTW_PAR_T_ROOM_St</parSt><parDlg>CTW_PAR_T_ROOM_Dlg</parDlg>"
         "<parUser>CTW_PAR_T_ROOM_Dlg</parUser><parCMemo>test</parCMemo><parSlDy>tst</parSlDy>"
         "<parSubGroup>" +
         p.subGroup + "</parSubGroup>" + p.flags + "</param>\n";
}

std::string InstrRecord(const std::string& code) {
  return "<instrument><instrId>" + code +
         "</instrId><alarmDefault>CTW_AL_Unknown</alarmDefault>"
         "<doc><s>TEST</s><ver>1</ver><rev>1</rev></doc></instrument>\n";
}

std::string ParRef(const std::string& code, const std::string& par) {
  return "<instrParRef><instrRef>" + code + "</instrRef><parRef>" + par +
         "</parRef></instrParRef>\n";
}

const std::string R = "<parIsRead/>";
const std::string S = "<parIsSet/>";
const std::string RS = "<parIsRead/><parIsSet/>";
const std::string Slave = "<parIsSlave/>";
const std::string Pad = "<parIsPad/>";

struct TestType {
  const std::wstring& code;
  std::vector<TestPar> pars;
};

// Sub-groups of alternating groups, so that every run of ten starts a new
// sub-group and a new group.
std::vector<TestPar> LargePars() {
  const char* subGroups[] = {"SG_R_TEMP", "SG_S_TEMP", "SG_C_NET",   "SG_S_HUM", "SG_R_CLIM", "SG_S_PRS",
                             "SG_C_SYS",  "SG_S_ETH",  "SG_R_STATE", "SG_S_DEF", "SG_R_OUT",  "SG_S_ALM"};
  const std::string flags[] = {R, S, RS};
  std::vector<TestPar> pars;
  for (int i = 0; i < 300; ++i) {
    std::string id = std::to_string(i);
    id = "TST_L" + std::string(3 - id.size(), '0') + id;
    pars.push_back({id, "Tper", subGroups[(i / 10) % 12], flags[i % 3]});
  }
  return pars;
}

std::vector<TestType> TestTypes() {
  return {
      {OneRunType,
       {{"TST_O1", "Tper", "SG_R_TEMP", "<parIsDSt/>" + R},
        {"TST_O2", "Tper", "SG_R_TEMP", RS},
        {"TST_O3", "Tper", "SG_R_TEMP", S}}},
      {TurnSettableType,
       {{"TST_TA", "Tper", "SG_R_TEMP", R},
        {"TST_TB", "Hmty", "SG_R_TEMP", R},
        {"TST_TC", "Tper", "SG_S_TEMP", S}}},
      {SettableFirstType,
       {{"TST_S1", "Tper", "SG_S_TEMP", S},
        {"TST_S2", "UChr", "SG_C_NET", RS},
        {"TST_S3", "Tper", "SG_R_TEMP", R}}},
      {ReturningSubType,
       {{"TST_U1", "Tper", "SG_R_TEMP", R},
        {"TST_U2", "Hmty", "SG_R_CLIM", R},
        {"TST_U3", "Tper", "SG_R_TEMP", R}}},
      {SparseFrameType,
       {{"TST_F0", "Tper", "SG_R_TEMP", R},
        {"TST_F1", "Hmty", "SG_S_HUM", S},
        {"TST_F2", "Bit", "SG_R_OUT", R},
        {"TST_F3", "UChr", "SG_S_ALM", S},
        {"TST_F4", "Del3", "SG_S_DEF", ""},
        {"TST_F5", "Hmty", "SG_R_CLIM", RS}}},
      {PaddedType,
       {{"TST_P_R1", "Tper", "SG_R_TEMP", "<parIsDSt/>" + R},
        {"TST_P_R2", "Hmty", "SG_R_CLIM", R},
        {"TST_P_PAD", "UChr", "SG_R_STATE", R + "<parIsPad/>"},
        {"TST_P_R3", "Tper", "SG_R_TEMP", "<parIsDSt/>" + R},
        {"TST_P_S", "Tper", "SG_S_TEMP", S}}},
      {MoreRunsType,
       {{"TST_M_SLV", "Tper", "SG_R_TEMP", R + Slave},
        {"TST_M_DLY", "Del3", "SG_R_TEMP", "<parIsDSt/>" + R},
        {"TST_M_PAD", "UChr", "SG_R_TEMP", R + Pad},
        {"TST_M_HUM", "Hmty", "SG_R_CLIM", RS},
        {"TST_M_SLV2", "Hmty", "SG_R_CLIM", S + Slave},
        {"TST_M_SET", "Tper", "SG_R_CLIM", S},
        {"TST_M_PAD2", "UChr", "SG_S_TEMP", S + Pad},
        {"TST_M_ADDR", "UChr", "SG_S_TEMP", S + "<parIsMaNetAdd/>"},
        {"TST_M_TSET", "Tper", "SG_S_TEMP", S},
        {"TST_M_BACK", "Tper", "SG_R_TEMP", R}}},
      {LargeType, LargePars()},
  };
}

}  // namespace

void LoadNetworkTestCatalogue() {
  // A suite that loaded the shipped tables alone since then took the
  // made-up types away: load again.
  const auto& codes = PardeloStravon::InstrCodes();
  if (std::find(codes.begin(), codes.end(), LargeType) != codes.end()) return;
  TempDir dir;
  CopyShippedTables(dir);
  std::string params, instruments, refs;
  for (const TestType& t : TestTypes()) {
    const std::string code = PardeloStravon::ToUtf8(t.code);
    instruments += InstrRecord(code);
    for (const TestPar& p : t.pars) {
      params += ParamRecord(p);
      refs += ParRef(code, p.id);
    }
  }
  ReplaceInTable(dir, "chkParam.xml", "</params>", params + "</params>");
  ReplaceInTable(dir, "chkInstr.xml", "</instruments>", instruments + "</instruments>");
  ReplaceInTable(dir, "chkInstrPar.xml", "</instrPars>", refs + "</instrPars>");
  ASSERT_EQ(PardeloStravon::LoadResources(dir.Wide()), L"");
}

}  // namespace TestSupport
