// Settings files of one instrument: save and load through a file chooser
// the test answers, and the mixing of loaded values by the user's rights.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/Node.h"
#include "network/nodes/SettingsFiles.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;
using TestSupport::ReadFileBytes;
using TestSupport::WriteFileBytes;

namespace {

class AnsweringUi : public SettingsFileUi {
 public:
  std::wstring ChooseFile(const std::wstring& base, const std::wstring& extension,
                          Mode mode) override {
    proposed.push_back(base + extension);
    modes.push_back(mode);
    return answer;
  }
  void ShowEmptyMessage() override { ++emptyBoxes; }

  std::wstring answer;
  std::vector<std::wstring> proposed;
  std::vector<Mode> modes;
  int emptyBoxes = 0;
};

class SettingsFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }

  static InstrPars Settable(const Node& n) { return SettablePars(n.Type().Pars()); }

  // Settable values within their ranges that differ from parameter to
  // parameter and from seed to seed.
  static InstrParValues SampleValues(const Node& n, int seed) {
    const InstrPars pars = Settable(n);
    InstrParValues values = DefaultValues(pars);
    for (std::size_t i = 0; i < pars.size(); ++i) {
      const RTTRange& range = *pars[i]->ParRange();
      const double lo = range.ToDouble(range.Min()), hi = range.ToDouble(range.Max());
      const double f = std::fmod(0.6180339887 * seed + 0.3819660113 * i, 1.0);
      const double x = std::clamp(std::round((lo + f * (hi - lo)) * 10) / 10, lo, hi);
      // A whole-number type reads the leading whole part, still in range.
      EXPECT_TRUE(TextToValue(range, std::to_wstring(x), values[i]));
    }
    return values;
  }

  static std::vector<std::wstring> Texts(const Node& n, const InstrParValues& values) {
    const InstrPars pars = Settable(n);
    std::vector<std::wstring> texts;
    for (std::size_t i = 0; i < values.size(); ++i)
      texts.push_back(ValueToText(*pars.at(i)->ParRange(), values[i]));
    return texts;
  }

  std::wstring PathOf(const std::string& name) const { return FromUtf8(dir_.File(name).string()); }

  TestSupport::TempDir dir_;
  AnsweringUi ui_;
};

TEST_F(SettingsFiles, SavedValuesLoadBackEqualIntoAnotherNodeOfTheType) {
  const Node saved(L"TC100");
  const InstrParValues values = SampleValues(saved, 11);
  ui_.answer = PathOf("room.qzis");
  SaveSettings(saved, 5, values, ui_);

  const Node other(L"TC100");
  InstrParValues loaded = SampleValues(other, 0);
  ASSERT_TRUE(LoadSettings(other, 7, loaded, ui_));
  EXPECT_EQ(Texts(other, loaded), Texts(saved, values));
  EXPECT_EQ(ui_.proposed, (std::vector<std::wstring>{L"005_TC100.qzis", L"007_TC100.qzis"}));
  EXPECT_EQ(ui_.modes, (std::vector<SettingsFileUi::Mode>{SettingsFileUi::saveMode,
                                                          SettingsFileUi::openMode}));
  EXPECT_EQ(ui_.emptyBoxes, 0);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("room.qzis.tmp")));

  // The file's own shape: the code, the count, then the pairs in frame order.
  const std::string text = ReadFileBytes(dir_.File("room.qzis"));
  const InstrPars pars = Settable(saved);
  EXPECT_NE(text.find("<SafeSet class_id=\"0\" tracking_level=\"0\" version=\"0\">"),
            std::string::npos);
  EXPECT_NE(text.find("<code_>TC100</code_>"), std::string::npos);
  EXPECT_NE(text.find("<size class_id=\"1\" tracking_level=\"0\" version=\"0\">"),
            std::string::npos);
  EXPECT_NE(text.find("<ul>" + std::to_string(pars.size()) + "</ul>"), std::string::npos);
  std::size_t at = text.find("</size>");
  for (const InstrParPure* par : pars) {
    at = text.find("<id>" + ToUtf8(par->ParID()) + "</id>", at);
    ASSERT_NE(at, std::string::npos) << ToUtf8(par->ParID());
    at = text.find("<v>", at);
  }
}

// Written by an older monitor: archive version 3, CR LF line ends, no
// item versions.
TEST_F(SettingsFiles, FileOfArchiveVersionThreeLoads) {
  const Node n(L"TC100");
  const InstrPars pars = Settable(n);
  std::string body;
  std::vector<std::wstring> expected;
  for (std::size_t i = 0; i < pars.size(); ++i) {
    std::wstring text = ValueToText(*pars[i]->ParRange(), SampleValues(n, 40)[i]);
    expected.push_back(text);
    body += "\t<id>" + ToUtf8(pars[i]->ParID()) + "</id>\r\n\t<v>" + ToUtf8(text) + "</v>\r\n";
  }
  WriteFileBytes(dir_.File("old.qzis"),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\r\n"
                 "<!DOCTYPE boost_serialization>\r\n"
                 "<boost_serialization signature=\"serialization::archive\" version=\"3\">\r\n"
                 "<SafeSet class_id=\"0\" tracking_level=\"0\" version=\"0\">\r\n"
                 "\t<code_>TC100</code_>\r\n"
                 "\t<size class_id=\"1\" tracking_level=\"0\" version=\"0\">\r\n"
                 "\t\t<ul>" +
                     std::to_string(pars.size()) +
                     "</ul>\r\n"
                     "\t</size>\r\n" +
                     body +
                     "</SafeSet>\r\n"
                     "</boost_serialization>\r\n");
  ui_.answer = PathOf("old.qzis");
  InstrParValues loaded = SampleValues(n, 0);
  ASSERT_TRUE(LoadSettings(n, 1, loaded, ui_));
  EXPECT_EQ(Texts(n, loaded), expected);
}

TEST_F(SettingsFiles, FailedSaveLeavesTheExistingFileAsItWas) {
  const Node n(L"TC100");
  ui_.answer = PathOf("kept.qzis");
  SaveSettings(n, 5, SampleValues(n, 1), ui_);
  const std::string before = ReadFileBytes(dir_.File("kept.qzis"));

  InstrParValues oneShort = SampleValues(n, 2);
  oneShort.pop_back();
  TestSupport::LogCapture errors(ErrorLog);
  SaveSettings(n, 5, oneShort, ui_);

  EXPECT_EQ(ReadFileBytes(dir_.File("kept.qzis")), before);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("kept.qzis.tmp")));
  EXPECT_EQ(ui_.emptyBoxes, 1);
  EXPECT_NE(errors.Text().find(L"Error in void QZ::SaveSettings(Node& n,int add,const "
                               L"InstrParValuesC& set)! what= "),
            std::wstring::npos);
  EXPECT_NE(errors.Text().find(L"size==set_.size()"), std::wstring::npos);
}

struct FailureCase {
  const char* name;
  const char* fileContent;  // nullptr: no file
  bool cancel;
  const wchar_t* logged;  // nullptr: nothing logged
};

TEST_F(SettingsFiles, RefusedLoadsShowTheEmptyBoxAndChangeNothing) {
  const Node n(L"TC100");
  ui_.answer = PathOf("good.qzis");
  SaveSettings(n, 5, SampleValues(n, 1), ui_);
  const std::string good = ReadFileBytes(dir_.File("good.qzis"));
  const std::string cut = good.substr(0, good.size() / 2);
  std::string unknownType = good;
  unknownType.replace(unknownType.find("TC100"), 5, "XX999");
  std::string otherCount = good;
  const std::string count = "<ul>" + std::to_string(Settable(n).size()) + "</ul>";
  otherCount.replace(otherCount.find(count), count.size(), "<ul>3</ul>");
  const Node other(L"TH200");
  ui_.answer = PathOf("other.qzis");
  SaveSettings(other, 5, SampleValues(other, 1), ui_);
  const std::string otherType = ReadFileBytes(dir_.File("other.qzis"));

  // A cut or damaged file fails with the error that names it; none may end
  // the program.
  const std::wstring named = L" in the settings file " + PathOf("case.qzis");
  const std::string cutAfterObject = good.substr(0, good.find("</SafeSet>") + 10);
  const std::string cutInValue = good.substr(0, good.rfind("<v>") + 4);
  std::string damagedEnd = good;
  damagedEnd.replace(damagedEnd.find("</boost_serialization>"), 22, "</boost_serializatio>");
  std::string classIdBeyond = good;
  classIdBeyond.replace(classIdBeyond.find("class_id=\"1\""), 12, "class_id=\"4000\"");

  const FailureCase cases[] = {
      {"cut after the settings", cutAfterObject.c_str(), false, named.c_str()},
      {"cut inside a value", cutInValue.c_str(), false, named.c_str()},
      {"damaged end tag", damagedEnd.c_str(), false, named.c_str()},
      {"class id beyond the classes met", classIdBeyond.c_str(), false, named.c_str()},
      {"empty file", "", false, named.c_str()},
      {"file of another program", "<?xml version=\"1.0\"?>\n<settings><sp>4</sp></settings>\n",
       false, named.c_str()},
      {"cancelled", nullptr, true,
       L"Error in bool QZ::LoadSettings(Node& n,int add,InstrParValues& set)! what= length of "
       L"file name==0"},
      {"missing file", nullptr, false, L"! what= impossible to open the input stream"},
      {"cut short", cut.c_str(), false, L"in the settings file "},
      {"another instrument type", otherType.c_str(), false, nullptr},
      {"another number of settable parameters", otherCount.c_str(), false,
       L"Assertion failed: size==set_.size() in the settings file "},
      {"unknown instrument code", unknownType.c_str(), false,
       L"Error in bool QZ::LoadSettings(Node& n,int add,InstrParValues& set)!\n"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_.File("case.qzis"));
    if (c.fileContent) WriteFileBytes(dir_.File("case.qzis"), c.fileContent);
    ui_.answer = c.cancel ? L"" : PathOf("case.qzis");
    ui_.emptyBoxes = 0;
    const InstrParValues before = SampleValues(n, 9);
    InstrParValues values = before;
    TestSupport::LogCapture errors(ErrorLog);
    EXPECT_FALSE(LoadSettings(n, 5, values, ui_));
    EXPECT_EQ(Texts(n, values), Texts(n, before));
    EXPECT_FALSE(n.HasSettings());
    EXPECT_EQ(ui_.emptyBoxes, 1);
    if (c.logged)
      EXPECT_NE(errors.Text().find(c.logged), std::wstring::npos) << ToUtf8(errors.Text());
    else
      EXPECT_EQ(errors.Text(), L"");
  }
}

// The range rule: a value is taken when it is one whole value of its type
// within its parameter's range, or the very value the instrument sent last.
TEST_F(SettingsFiles, ValuesOutsideTheirRangeOrNotWhole_AreRefusedUnlessTheInstrumentSentThem) {
  const struct {
    const wchar_t* type;
    const wchar_t* parameter;
    const char* text;
    const wchar_t* loaded;  // nullptr: the load is refused
  } cases[] = {
      {L"TC100", L"SP_TEMP", "999", nullptr},  // range -30 to 40
      {L"TC100", L"SP_TEMP", "40", L"40"},
      {L"TC100", L"SP_TEMP", "-30", L"-30"},
      {L"TC100", L"SP_TEMP", "40.1", nullptr},
      {L"TC100", L"SP_TEMP", "-30.1", nullptr},
      {L"TC100", L"SP_TEMP", "-12.5", L"-12.5"},
      {L"TC100", L"SP_TEMP", "20 C", nullptr},
      {L"TC100", L"DEFROST_DUR", "-1", nullptr},  // would be 16777215 s
      {L"TC100", L"DEFROST_DUR", "1e9", nullptr},  // would be 1 s
      {L"TC100", L"DEFROST_DUR", "7200", L"7200"},
      {L"TC100", L"DEFROST_DUR", "7201", nullptr},
      {L"TC100", L"DEFROST_DUR", "59", nullptr},
      {L"TC100", L"DIFF_TEMP", "0.2", L"0.2"},  // range 0.2 to 10
      {L"TC100", L"DIFF_TEMP", "0.1", nullptr},
      {L"TC100", L"DIFF_TEMP", "-1", nullptr},
      {L"TC100", L"NET_ADDR", "247", L"247"},
      {L"TC100", L"NET_ADDR", "248", nullptr},
      {L"TC100", L"NET_ADDR", "300", nullptr},
      {L"TC100", L"EN_DEFROST", "0", L"0"},
      {L"TC100", L"EN_DEFROST", "2", nullptr},
      {L"TC100", L"EN_DEFROST", "true", nullptr},
      {L"TC100", L"FW_VERSION", "16777215", L"16777215"},
      {L"TC100", L"FW_VERSION", "16777216", nullptr},
      {L"TC100", L"FW_VERSION", "+1", nullptr},
      {L"TH200", L"SP_HUM", "98", L"98"},  // range 50 to 98
      {L"TH200", L"SP_HUM", "98.1", nullptr},
      {L"TH200", L"SP_HUM", "-1", nullptr},
      {L"TH200", L"DIFF_HUM", "20", L"20"},
      {L"TH200", L"DIFF_HUM", "-20", nullptr},
      {L"RC500", L"SP_PRS", "5", L"5"},
      {L"RC500", L"SP_PRS", "5.1", nullptr},
      {L"RC500", L"SP_ETH", "100", L"100"},
      {L"RC500", L"SP_ETH", "100.1", nullptr},
      {L"RC500", L"DIFF_ETH", "0.4", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.parameter) + " " + c.text);
    const Node n(c.type);
    const InstrPars pars = Settable(n);
    std::size_t at = 0;
    while (at < pars.size() && pars[at]->ParID() != c.parameter) ++at;
    ASSERT_LT(at, pars.size());
    ui_.answer = PathOf("case.qzis");
    SaveSettings(n, 5, SampleValues(n, 3), ui_);
    const std::string saved = ReadFileBytes(dir_.File("case.qzis"));
    const std::size_t v = saved.find("<v>", saved.find("<id>" + ToUtf8(c.parameter) + "</id>")) + 3;
    WriteFileBytes(dir_.File("case.qzis"),
                   saved.substr(0, v) + c.text + saved.substr(saved.find("</v>", v)));

    const InstrParValues before = SampleValues(n, 7);
    InstrParValues values = before;
    TestSupport::LogCapture errors(ErrorLog);
    EXPECT_EQ(LoadSettings(n, 5, values, ui_), c.loaded != nullptr);
    if (c.loaded) {
      EXPECT_EQ(Texts(n, values).at(at), c.loaded);
    } else {
      EXPECT_EQ(Texts(n, values), Texts(n, before));
      EXPECT_NE(errors.Text().find(c.parameter), std::wstring::npos) << ToUtf8(errors.Text());
      EXPECT_NE(errors.Text().find(L" in the settings file " + PathOf("case.qzis")),
                std::wstring::npos)
          << ToUtf8(errors.Text());
    }
  }
}

TEST_F(SettingsFiles, ValueOutsideItsRange_LoadsWhenTheInstrumentSentItLast) {
  Node n(L"TC100");
  const InstrPars pars = Settable(n);
  std::size_t at = 0;
  while (pars[at]->ParID() != L"SP_TEMP") ++at;
  InstrParValues received = SampleValues(n, 3);
  ASSERT_TRUE(TextToValue(*pars[at]->ParRange(), L"45", received[at]));
  n.LatestSettings(received);
  ui_.answer = PathOf("from-instrument.qzis");
  SaveSettings(n, 5, received, ui_);
  const std::string saved = ReadFileBytes(dir_.File("from-instrument.qzis"));

  const struct {
    const char* text;
    bool loaded;
  } cases[] = {{"45", true}, {"45.0", true}, {"46", false}, {"45 C", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string text = saved;
    text.replace(text.find("<v>45</v>"), 9, std::string("<v>") + c.text + "</v>");
    WriteFileBytes(dir_.File("case.qzis"), text);
    ui_.answer = PathOf("case.qzis");
    InstrParValues values = SampleValues(n, 7);
    EXPECT_EQ(LoadSettings(n, 5, values, ui_), c.loaded);
    if (c.loaded) {
      EXPECT_EQ(Texts(n, values), Texts(n, received));
    }
  }
}

// Root is bound by a file-size limit, and no one can rename a file over a
// folder: both failures hold in a test run as root.
TEST_F(SettingsFiles, FailedSaveIsReportedKeepsTheOldFileAndLeavesNoTemporaryFile) {
  const Node n(L"TC100");
  ui_.answer = PathOf("kept.qzis");
  SaveSettings(n, 5, SampleValues(n, 1), ui_);
  const std::string old = ReadFileBytes(dir_.File("kept.qzis"));
  std::filesystem::create_directory(dir_.File("taken.qzis"));
  const struct {
    const char* name;
    const char* file;
    rlim_t sizeLimit;
  } cases[] = {
      {"write beyond the file-size limit", "kept.qzis", 200},
      {"a folder in the file's place", "taken.qzis", RLIM_INFINITY},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ui_.answer = PathOf(c.file);
    ui_.emptyBoxes = 0;
    TestSupport::LogCapture errors(ErrorLog);
    {
      rlimit before{};
      getrlimit(RLIMIT_FSIZE, &before);
      rlimit lowered = before;
      lowered.rlim_cur = c.sizeLimit;
      setrlimit(RLIMIT_FSIZE, &lowered);
      SaveSettings(n, 5, SampleValues(n, 2), ui_);
      setrlimit(RLIMIT_FSIZE, &before);
    }
    EXPECT_EQ(ui_.emptyBoxes, 1);
    EXPECT_NE(errors.Text().find(L"what= impossible to save the file " + PathOf(c.file)),
              std::wstring::npos)
        << ToUtf8(errors.Text());
    EXPECT_FALSE(std::filesystem::exists(dir_.File(std::string(c.file) + ".tmp")));
  }
  EXPECT_EQ(ReadFileBytes(dir_.File("kept.qzis")), old);
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("taken.qzis")));
}

// Saves write a temporary file of a unique hidden name: a leftover of an
// interrupted save is never written into, nor does it reach the new file.
TEST_F(SettingsFiles, TemporaryFileOfAnInterruptedSave_NeverReachesTheNewFile) {
  const Node n(L"TC100");
  const std::string leftover(100000, 'x');
  WriteFileBytes(dir_.File("room.qzis.tmp"), leftover);
  ui_.answer = PathOf("room.qzis");
  SaveSettings(n, 5, SampleValues(n, 1), ui_);
  EXPECT_EQ(ReadFileBytes(dir_.File("room.qzis.tmp")), leftover);
  InstrParValues loaded = SampleValues(n, 2);
  EXPECT_TRUE(LoadSettings(n, 5, loaded, ui_));
  EXPECT_EQ(Texts(n, loaded), Texts(n, SampleValues(n, 1)));
}

TEST_F(SettingsFiles, CancelledSaveIsLoggedAndShown) {
  const Node n(L"TC100");
  TestSupport::LogCapture errors(ErrorLog);
  SaveSettings(n, 5, SampleValues(n, 1), ui_);
  EXPECT_EQ(ui_.emptyBoxes, 1);
  EXPECT_NE(errors.Text().find(L"! what= length of file name==0"), std::wstring::npos);
}

TEST_F(SettingsFiles, DefaultNameKeepsThreeDigitsAndEveryDigitAboveNineHundredNinetyNine) {
  const Node n(L"TH200");
  const struct {
    int address;
    const wchar_t* name;
  } cases[] = {{5, L"005_TH200"},     {42, L"042_TH200"},    {999, L"999_TH200"},
               {1000, L"1000_TH200"}, {1001, L"1001_TH200"}, {12345, L"12345_TH200"}};
  for (const auto& c : cases) EXPECT_EQ(SettingsFileName(n, c.address), c.name);
}

// Which value each settable parameter takes, by the user's rights.
TEST_F(SettingsFiles, MixTakesNewValuesByRightsAndFreeMarks) {
  Node n(L"TC100");
  const InstrPars all = n.Type().Pars();
  const InstrParValues oldV = SampleValues(n, 1), newV = SampleValues(n, 100);
  const std::size_t size = oldV.size();
  // Free: the second settable parameter only.
  std::size_t k = 0;
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i]->ParIsSet()) n.OptFrm()[i].frmFreeOpt_ = (k++ == 1);

  const struct {
    const char* name;
    bool supervisor;
    bool withOld;
    bool complete;
    const char* from;  // per settable parameter: n new, o old, - unchanged
  } cases[] = {
      {"supervisor, old present", true, true, true, "nnnnnnnnnnnnnn"},
      {"supervisor, no old settings", true, false, true, "nnnnnnnnnnnnnn"},
      {"user: free parameter new, others old", false, true, true, "onoooooooooooo"},
      {"user without old settings: incomplete", false, false, false, "-n------------"},
  };
  ASSERT_EQ(size, std::string(cases[0].from).size());
  const InstrParValues untouched = SampleValues(n, 200);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    InstrParValues mixed = untouched;
    EXPECT_EQ(MixSettings(n, c.withOld ? oldV : InstrParValues(), newV, mixed, c.supervisor),
              c.complete);
    const auto got = Texts(n, mixed);
    const auto o = Texts(n, oldV), nw = Texts(n, newV), u = Texts(n, untouched);
    for (std::size_t j = 0; j < size; ++j) {
      const char f = c.from[j];
      EXPECT_EQ(got[j], f == 'n' ? nw[j] : f == 'o' ? o[j] : u[j]) << j;
    }
  }
}

TEST_F(SettingsFiles, MixRejectsValuesOfAnotherCount) {
  const Node n(L"TC100");
  InstrParValues shortNew = SampleValues(n, 1);
  shortNew.pop_back();
  InstrParValues mixed;
  EXPECT_THROW(MixSettings(n, SampleValues(n, 2), shortNew, mixed, false), std::exception);
  EXPECT_THROW(MixSettings(n, shortNew, SampleValues(n, 2), mixed, false), std::exception);
}

}  // namespace
