// The parameter, group, sub-group, rem, instrument and alarm tables, read
// from small hand-made table files that name no schema, so the readers see
// exactly what a file holds.
#include <gtest/gtest.h>

#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/catalogue/AlarmTable.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/catalogue/ParValueXml.h"
#include "foundation/catalogue/ParamTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueText.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

const std::vector<std::string> Tokens = {"CTW_G",   "CTW_S",   "CTW_R1",  "CTW_R2",
                                         "CTW_PSt", "CTW_PDlg", "CTW_ADef", "CTW_A0",
                                         "CTW_A1",  "CTW_A2"};

std::string Param(const std::string& id, const std::string& type, const std::string& more = "",
                  const std::string& subGroup = "S1") {
  return "<param><parId>" + id + "</parId><parTy>" + type +
         "</parTy><parSt>CTW_PSt</parSt><parDlg>CTW_PDlg</parDlg><parUser>CTW_PDlg</parUser>"
         "<parCMemo>memo</parCMemo><parSlDy>sl</parSlDy><parSubGroup>" + subGroup + "</parSubGroup>" +
         more + "</param>\n";
}

std::string Instrument(const std::string& code, const std::string& doc = "<doc><s>M</s><ver>1</ver><rev>2</rev></doc>") {
  return "<instrument><instrId>" + code + "</instrId><alarmDefault>CTW_ADef</alarmDefault>" + doc +
         "</instrument>\n";
}

std::string Ref(const std::string& record, const std::string& instr, const std::string& field,
                const std::string& key) {
  return "<" + record + "><instrRef>" + instr + "</instrRef><" + field + ">" + key + "</" + field +
         "></" + record + ">\n";
}

std::string ParRef(const std::string& instr, const std::string& par) {
  return Ref("instrParRef", instr, "parRef", par);
}

std::string AlRef(const std::string& instr, const std::string& alarm) {
  return Ref("instrAlRef", instr, "alRef", alarm);
}

std::string Alarm(const std::string& id, const std::string& token) {
  return "<alarm><alId>" + id + "</alId><alText>" + token + "</alText></alarm>\n";
}

VUC Bytes(const RTTRange& range, const boost::any& v) { return range.Encode(v); }

template <typename Tag>
bool Throws(const std::function<void()>& f) {
  try {
    f();
  } catch (const Tag&) {
    return true;
  } catch (...) {
    return false;
  }
  return false;
}

class CatalogueTables : public testing::Test {
 protected:
  void SetUp() override {
    LoadTestDictionary(dir_, Tokens);
    WriteTable(dir_, "chkGroup.xml",
               "<group><groupId>G1</groupId><groupDlg>CTW_G</groupDlg><groupUser>CTW_G</groupUser>"
               "<groupSlDy>g</groupSlDy></group>\n");
    WriteTable(dir_, "chkGroupSub.xml", GroupSub("S1", "G1"));
    WriteTable(dir_, "chkRem.xml",
               "<rem><remId>R1</remId><remUser>CTW_R1</remUser></rem>\n"
               "<rem><remId>R2</remId><remUser>CTW_R2</remUser></rem>\n");
    ASSERT_TRUE(LoadGroups(dir_.Wide()));
    ASSERT_TRUE(LoadGroupSubs(dir_.Wide()));
    ASSERT_TRUE(LoadRems(dir_.Wide()));
  }

  static std::string GroupSub(const std::string& id, const std::string& group) {
    return "<groupSub><groupSubId>" + id + "</groupSubId><groupSubGroup>" + group +
           "</groupSubGroup><groupSubDlg>CTW_S</groupSubDlg><groupSubUser>CTW_S</groupSubUser>"
           "<groupSubSlDy>s</groupSubSlDy></groupSub>\n";
  }

  bool LoadParamRows(const std::string& rows) {
    WriteTable(dir_, "chkParam.xml", rows);
    return LoadParams(dir_.Wide());
  }

  // Parameters P1 to P3, alarms A0 to A2, and the given instrument tables.
  bool LoadInstrumentTables(const std::string& instruments, const std::string& parRefs,
                            const std::string& alRefs,
                            const std::string& alarms = Alarm("A0", "CTW_A0") +
                                                        Alarm("A1", "CTW_A1") +
                                                        Alarm("A2", "CTW_A2")) {
    EXPECT_TRUE(LoadParamRows(Param("P1", "Tper") + Param("P2", "Bit") + Param("P3", "UChr")));
    WriteTable(dir_, "chkInstr.xml", instruments);
    WriteTable(dir_, "chkInstrPar.xml", parRefs);
    WriteTable(dir_, "chkAlarm.xml", alarms);
    WriteTable(dir_, "chkInstrAl.xml", alRefs);
    return LoadInstruments(dir_.Wide());
  }

  TempDir dir_;
};

struct RangeCase {
  const char* type;
  const char* bounds;
  VUC min, max, dft;
};

TEST_F(CatalogueTables, ParamRange_TakesTheRowsBoundsOrTheDefaultsOfItsType) {
  const RangeCase cases[] = {
      {"Tper", "", {0x00, 0x00}, {0x07, 0xD0}, {0x00, 0x00}},
      {"Tper", "<parMin>2.5</parMin>", {0x02, 0x3F}, {0x07, 0xD0}, {0x00, 0x00}},
      {"Hmty", "", {0x00, 0x00}, {0x03, 0xE8}, {0x00, 0x00}},
      {"Prsr", "<parDft>0.5</parDft>", {0x00, 0x00}, {0x01, 0x2C}, {0x00, 0x05}},
      {"Ethyl", "", {0x00, 0x00}, {0x03, 0xE8}, {0x00, 0x00}},
      {"TperD", "", {0xF8, 0x30}, {0x07, 0xD0}, {0x00, 0x00}},
      {"HmtyD", "", {0xFC, 0x18}, {0x03, 0xE8}, {0x00, 0x00}},
      {"PrsrD", "", {0xFE, 0xD4}, {0x01, 0x2C}, {0x00, 0x00}},
      {"EthylD", "<parMin>-0.1</parMin>", {0xFF, 0xFF}, {0x03, 0xE8}, {0x00, 0x00}},
      {"Bit", "", {0x00}, {0x01}, {0x00}},
      {"Bit", "<parMax>0</parMax>", {0x00}, {0x00}, {0x00}},
      {"UChr", "", {0x00}, {0xFF}, {0x00}},
      {"UChr", "<parMin>1.9</parMin><parMax>247</parMax>", {0x01}, {0xF7}, {0x00}},
      {"Del3", "<parMax>86400.9</parMax>", {0x00, 0x00, 0x00}, {0x01, 0x51, 0x80}, {0x00, 0x00, 0x00}},
      {"Del3", "", {0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00}},
      {"Dy3", "<parDft>7</parDft>", {0x00, 0x00, 0x00}, {0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x07}},
  };
  std::string rows;
  for (std::size_t i = 0; i < std::size(cases); ++i)
    rows += Param("P" + std::to_string(i), cases[i].type, cases[i].bounds);
  ASSERT_TRUE(LoadParamRows(rows));

  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(std::string(cases[i].type) + " " + cases[i].bounds);
    const InstrParPure& par = *ParByPos(static_cast<parPos>(i));
    const RTTRange& range = *par.ParRange();
    EXPECT_EQ(Bytes(range, par.ParMin()), cases[i].min);
    EXPECT_EQ(Bytes(range, par.ParMax()), cases[i].max);
    EXPECT_EQ(Bytes(range, par.ParDft()), cases[i].dft);
  }
}

TEST_F(CatalogueTables, ParamRange_BoundItsTypeCannotHold_FailsTheLoadNamingTheParameter) {
  const std::pair<const char*, const char*> cases[] = {
      {"UChr", "<parMax>300</parMax>"},      {"UChr", "<parMin>-1</parMin>"},
      {"Del3", "<parMin>-1</parMin>"},       {"Dy3", "<parMax>16777216</parMax>"},
      {"Tper", "<parMin>-300</parMin>"},      {"Tper", "<parDft>7000</parDft>"},
      {"Hmty", "<parMin>-1</parMin>"},       {"TperD", "<parMax>4000</parMax>"},
      {"Bit", "<parMax>2</parMax>"},         {"Prsr", "<parMax>1e999</parMax>"},
  };
  for (const auto& [type, bounds] : cases) {
    SCOPED_TRACE(std::string(type) + " " + bounds);
    LogCapture errors(ErrorLog);
    EXPECT_THROW(LoadParamRows(Param("OK", "Tper") + Param("BAD", type, bounds)), std::range_error);
    // The row and its key were stored before its range was refused.
    EXPECT_EQ(ParPos(L"BAD"), 1);
    EXPECT_EQ(ParByPos(0)->ParID(), L"OK");
    EXPECT_THROW(ParByPos(1), std::out_of_range);
    EXPECT_NE(errors.Text().find(L"parameter 'BAD'"), std::wstring::npos) << ToNarrow(errors.Text());
  }
}

TEST_F(CatalogueTables, ParamRange_UnknownTypeCode_ThrowsAfterTheRowIsStored) {
  try {
    LoadParamRows(Param("A", "tper"));
    FAIL() << "a lower-case type code was taken";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Wrong type in QZ::newRTTRange(parPos pos)");
  }
  EXPECT_EQ(ParPos(L"A"), 0);
  EXPECT_EQ(ParRecAt(0).parTy, L"tper");
}

TEST_F(CatalogueTables, Params_RepeatedKey_FirstRowWinsAndEveryRowHasItsDefinition) {
  ASSERT_TRUE(LoadParamRows(Param("A", "Tper") + Param("B", "Bit") + Param("A", "UChr") +
                            Param("A", "Del3")));
  EXPECT_EQ(ParPos(L"A"), 0);
  EXPECT_EQ(ParByKey(L"A"), ParByPos(0));
  EXPECT_EQ(ParRepeated(), L"'A','A'");
  EXPECT_NE(ParByPos(0), ParByPos(2));
  EXPECT_EQ(ParByPos(2)->ParID(), L"A");
  EXPECT_EQ(ParByPos(3)->ParRange()->ByteSize(), 3u);
  EXPECT_THROW(ParPos(L"C"), ParBadRef);
  EXPECT_THROW(ParByPos(4), std::out_of_range);
}

TEST_F(CatalogueTables, Params_RemsKeepTheirOrderAndRepeats) {
  ASSERT_TRUE(LoadParamRows(Param("A", "Tper", "<parRem>R2</parRem><parRem>R1</parRem><parRem>R2</parRem>") +
                            Param("B", "Tper")));
  EXPECT_EQ(ParRecByKey(L"A").parRem, (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(ParByKey(L"A")->ParRem(),
            (std::vector<std::wstring>{L"en CTW_R2", L"en CTW_R1", L"en CTW_R2"}));
  EXPECT_TRUE(ParByKey(L"B")->ParRem().empty());
}

TEST_F(CatalogueTables, Params_TextsFollowTheCurrentLanguage_RowTextsAsWritten) {
  ASSERT_TRUE(LoadParamRows(Param("A", "Tper", "<parMult>10</parMult>") + Param("B", "Tper")));
  const InstrParPure& a = *ParByKey(L"A");
  EXPECT_EQ(a.ParSt(), L"en CTW_PSt");
  EXPECT_EQ(a.ParDlg(), L"en CTW_PDlg");
  SetCurrentLanguage(1);
  EXPECT_EQ(a.ParSt(), L"it CTW_PSt");
  EXPECT_EQ(a.ParUser(), L"it CTW_PDlg");
  SetCurrentLanguage(0);
  EXPECT_EQ(a.ParSlDy(), L"sl");
  EXPECT_EQ(ParRecByKey(L"A").parCMemo, L"memo");
  EXPECT_EQ(a.ParSubGroup().groupSubId, L"S1");
  EXPECT_EQ(GroupRecAt(a.ParSubGroup().groupSubGroup).groupId, L"G1");
  EXPECT_EQ(a.ParMult(), 10);
  EXPECT_EQ(ParByKey(L"B")->ParMult(), 1);
}

TEST_F(CatalogueTables, Params_EachFlagElementSetsItsOwnFlag) {
  using Flag = bool (InstrParPure::*)() const;
  const std::pair<const char*, Flag> flags[] = {
      {"parIsDSt", &InstrParPure::ParIsDSt},           {"parIsAl", &InstrParPure::ParIsAl},
      {"parIsRead", &InstrParPure::ParIsRead},         {"parIsSet", &InstrParPure::ParIsSet},
      {"parIsSlave", &InstrParPure::ParIsSlave},       {"parIsRO", &InstrParPure::ParIsRO},
      {"parIsRTC", &InstrParPure::ParIsRTC},           {"parIsMaNetAdd", &InstrParPure::ParIsMaNetAdd},
      {"parIsSlNetAdd", &InstrParPure::ParIsSlNetAdd}, {"parIsBitMain", &InstrParPure::ParIsBitMain},
      {"parIsBitSub", &InstrParPure::ParIsBitSub},     {"parIsPad", &InstrParPure::ParIsPad},
  };
  std::string rows;
  for (std::size_t i = 0; i < std::size(flags); ++i)
    rows += Param("P" + std::to_string(i), "Bit", "<" + std::string(flags[i].first) + ">x</" + flags[i].first + ">");
  ASSERT_TRUE(LoadParamRows(rows));
  for (std::size_t i = 0; i < std::size(flags); ++i)
    for (std::size_t j = 0; j < std::size(flags); ++j)
      EXPECT_EQ((ParByPos(static_cast<parPos>(i))->*flags[j].second)(), i == j)
          << "row flagged " << flags[i].first << ", flag " << flags[j].first;
}

struct BadRefCase {
  const char* name;
  const char* file;
  std::string body;
  bool (*load)(const std::wstring&);
  bool (*thrown)(const std::function<void()>&);
  const wchar_t* logged;
};

TEST_F(CatalogueTables, UnknownNames_ThrowTheTagOfTheirTableAndLogTheRecord) {
  const BadRefCase cases[] = {
      {"sub-group of an unknown group", "chkGroupSub.xml", GroupSub("S1", "G1") + GroupSub("S2", "G9"),
       LoadGroupSubs, Throws<GroupBadRef>, L"record \"groupSub\" at position 1: unknown groupSubGroup 'G9'"},
      {"parameter of an unknown sub-group", "chkParam.xml", Param("A", "Tper", "", "S9"),
       LoadParams, Throws<GroupSubBadRef>, L"unknown parSubGroup 'S9'"},
      {"parameter listing an unknown rem", "chkParam.xml", Param("A", "Tper", "<parRem>R1</parRem><parRem>R9</parRem>"),
       LoadParams, Throws<RemBadRef>, L"unknown parRem 'R9'"},
      {"unknown token", "chkParam.xml",
       "<param><parId>A</parId><parTy>Tper</parTy><parSt>CTW_Nope</parSt></param>", LoadParams,
       Throws<DictBadPos>, L"unknown parSt 'CTW_Nope'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteTable(dir_, c.file, c.body);
    LogCapture errors(ErrorLog);
    EXPECT_TRUE(c.thrown([&] { c.load(dir_.Wide()); }));
    EXPECT_NE(errors.Text().find(c.logged), std::wstring::npos) << ToNarrow(errors.Text());
  }
}

TEST_F(CatalogueTables, Lookups_UnknownKeyThrowsItsTag_PositionOutsideThrowsOutOfRange) {
  EXPECT_EQ(GroupPos(L"G1"), 0);
  EXPECT_EQ(GroupRecByKey(L"G1").groupSlDy, L"g");
  EXPECT_THROW(GroupRecAt(1), std::out_of_range);
  EXPECT_THROW(GroupRecAt(-1), std::out_of_range);
  EXPECT_THROW(GroupPos(L"G2"), GroupBadRef);
  EXPECT_THROW(GroupSubRecByKey(L"S2"), GroupSubBadRef);
  EXPECT_THROW(RemRecAt(2), std::out_of_range);
  EXPECT_TRUE(Throws<XMLError>([] { RemPos(L"R3"); }));
  EXPECT_EQ(GroupRepeated(), L"");
}

TEST_F(CatalogueTables, Instruments_ParameterListsFollowTheReferencesInterleaved) {
  ASSERT_TRUE(LoadInstrumentTables(Instrument("T") + Instrument("U"),
                                   ParRef("T", "P3") + ParRef("U", "P1") + ParRef("T", "P1") +
                                       ParRef("T", "P2") + ParRef("U", "P1"),
                                   ""));
  EXPECT_EQ(InstrByCode(L"T").Pars(), (InstrPars{ParByKey(L"P3"), ParByKey(L"P1"), ParByKey(L"P2")}));
  // A parameter listed twice takes its room twice.
  EXPECT_EQ(InstrByCode(L"U").Pars(), (InstrPars{ParByKey(L"P1"), ParByKey(L"P1")}));
  EXPECT_EQ(InstrByCode(L"U").Code(), L"U");
  EXPECT_EQ(InstrRecByKey(L"T").doc.rev, 2);
  EXPECT_EQ(InstrRepeated(), L"");
}

TEST_F(CatalogueTables, Instruments_AlarmTextByNumber_DefaultOutsideTheList) {
  ASSERT_TRUE(LoadInstrumentTables(Instrument("T") + Instrument("U"), "",
                                   AlRef("T", "A0") + AlRef("T", "A1") + AlRef("T", "A2")));
  const Instr& t = InstrByCode(L"T");
  EXPECT_EQ(t.AlarmText(0), L"en CTW_A0");
  EXPECT_EQ(t.AlarmText(1), L"en CTW_A1");
  EXPECT_EQ(t.AlarmText(3), L"en CTW_ADef");
  EXPECT_EQ(t.AlarmText(-1), L"en CTW_ADef");
  EXPECT_EQ(InstrByCode(L"U").AlarmText(0), L"en CTW_ADef");
  SetCurrentLanguage(1);
  EXPECT_EQ(t.AlarmText(2), L"it CTW_A2");
  SetCurrentLanguage(0);
}

TEST_F(CatalogueTables, Instruments_RepeatedCode_ListedTwiceFirstRecordWins) {
  ASSERT_TRUE(LoadInstrumentTables(Instrument("C") + Instrument("D") + Instrument("C"),
                                   ParRef("C", "P1"), ""));
  EXPECT_EQ(InstrCodes(), (std::vector<std::wstring>{L"C", L"D", L"C"}));
  EXPECT_EQ(InstrPos(L"C"), 0);
  EXPECT_EQ(InstrByCode(L"C").Pars().size(), 1u);
  EXPECT_TRUE(InstrParListAt(2).empty());
  EXPECT_EQ(InstrRepeated(), L"'C'");
  EXPECT_THROW(InstrByCode(L"E"), InstrBadRef);
}

TEST_F(CatalogueTables, Instruments_BadReferences_ThrowTheTagOfTheKeyCheckedFirst) {
  const std::string alarms = Alarm("A0", "CTW_A0");
  const std::pair<std::string, std::string> refs[] = {
      {ParRef("X", "P9"), ""}, {ParRef("X", "P1"), ""}, {"", AlRef("T", "A9")}, {"", AlRef("X", "A9")},
      {"", AlRef("X", "A0")}};
  bool (*const expected[])(const std::function<void()>&) = {
      Throws<ParBadRef>, Throws<InstrBadRef>, Throws<AlBadRef>, Throws<AlBadRef>, Throws<InstrBadRef>};
  for (std::size_t i = 0; i < std::size(refs); ++i) {
    SCOPED_TRACE(refs[i].first + refs[i].second);
    EXPECT_TRUE(expected[i]([&] { LoadInstrumentTables(Instrument("T"), refs[i].first, refs[i].second, alarms); }));
  }
  // The instrument tags are no XMLError.
  EXPECT_FALSE(Throws<XMLError>([] { InstrPos(L"X"); }));
  EXPECT_FALSE(Throws<XMLError>([] { AlPos(L"A9"); }));
}

TEST_F(CatalogueTables, Alarms_RepeatedKey_IsRefusedKeepingTheAlarmsBeforeIt) {
  EXPECT_TRUE(Throws<AlBadRef>([&] {
    LoadInstrumentTables(Instrument("T"), "", "",
                         Alarm("A0", "CTW_A0") + Alarm("A1", "CTW_A1") + Alarm("A0", "CTW_A2"));
  }));
  EXPECT_EQ(AlPos(L"A1"), 1);
  EXPECT_EQ(AlRecByKey(L"A0").alText, static_cast<int>(TokenPos(L"CTW_A0")));
}

TEST_F(CatalogueTables, Instruments_FileNotRead_LaterFilesAreNotOpened) {
  ASSERT_TRUE(LoadParamRows(Param("P1", "Tper")));
  WriteTable(dir_, "chkInstr.xml", Instrument("T"));
  WriteFileBytes(XmlDir(dir_) / "chkAlarm.xml", "<broken");
  LogCapture errors(ErrorLog);
  EXPECT_FALSE(LoadInstruments(dir_.Wide()));
  EXPECT_NE(errors.Text().find(L"chkInstrPar.xml file not found"), std::wstring::npos);
  EXPECT_EQ(errors.Text().find(L"chkAlarm.xml"), std::wstring::npos) << ToNarrow(errors.Text());
}

TEST_F(CatalogueTables, Instruments_MissingFieldsOrDoc_FailTheLoadNamingTheRecord) {
  const std::pair<std::string, const wchar_t*> cases[] = {
      {Instrument("T", ""), L"has no field \"doc\""},
      {Instrument("T", "<doc><s>M</s><ver>1</ver></doc>"), L"has no field \"rev\""},
      {Instrument("T", "<doc><s/><ver>1</ver><rev>1</rev></doc>"), L"has an empty field \"s\""},
  };
  ASSERT_TRUE(LoadParamRows(Param("P1", "Tper")));
  for (const auto& [record, logged] : cases) {
    WriteTable(dir_, "chkInstr.xml", record);
    LogCapture errors(ErrorLog);
    EXPECT_FALSE(LoadInstruments(dir_.Wide()));
    EXPECT_NE(errors.Text().find(logged), std::wstring::npos) << ToNarrow(errors.Text());
  }
}

TEST_F(CatalogueTables, ParValue_SavedAsIdThenV_LoadingAnotherKeyReplacesTheValueAndThrows) {
  ASSERT_TRUE(LoadParamRows(Param("T1", "Tper") + Param("T2", "Tper")));
  const InstrParPure& t1 = *ParByKey(L"T1");
  const InstrParPure& t2 = *ParByKey(L"T2");
  std::wostringstream os;
  {
    boost::archive::xml_woarchive oa(os);
    boost::any v = Temper(20.0);
    serialize(oa, t1, v, 0);
  }
  const std::wstring xml = os.str();
  const auto id = xml.find(L"<id>T1</id>");
  ASSERT_NE(id, std::wstring::npos) << ToNarrow(xml);
  EXPECT_NE(xml.find(L"<v>20</v>", id), std::wstring::npos) << ToNarrow(xml);

  auto load = [&](const InstrParPure& par, boost::any& v) {
    std::wistringstream is(xml);
    boost::archive::xml_wiarchive ia(is);
    serialize(ia, par, v, 0);
  };
  boost::any same = t1.ParRange()->DefaultValue();
  load(t1, same);
  EXPECT_EQ(ValueToText(*t1.ParRange(), same), L"20");

  boost::any other = t2.ParRange()->DefaultValue();
  LogCapture errors(ErrorLog);
  EXPECT_THROW(load(t2, other), std::exception);
  EXPECT_EQ(ValueToText(*t2.ParRange(), other), L"20");
  EXPECT_NE(errors.Text().find(L"Assertion failed: id==par.ParID()"), std::wstring::npos);
}

}  // namespace
