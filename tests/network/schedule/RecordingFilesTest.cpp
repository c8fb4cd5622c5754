#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "foundation/core/Clock.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "network/schedule/RecordingFiles.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;
using TestSupport::ReadFileBytes;
using TestSupport::TempDir;

namespace {

class RecordingFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC0", 1);
    tzset();
  }
};

}  // namespace

TEST_F(RecordingFilesTest, MasterLogName_PadsTheAddressToFourDigits) {
  const std::pair<int, std::wstring> cases[] = {{5, L"QZ_Master_Log_0005.txt"},
                                                {7, L"QZ_Master_Log_0007.txt"},
                                                {123, L"QZ_Master_Log_0123.txt"},
                                                {12345, L"QZ_Master_Log_12345.txt"}};
  for (const auto& c : cases) EXPECT_EQ(MasterLogName(c.first), c.second);
  EXPECT_EQ(MasterLogPath(L"/doc", 7), L"/doc/QZ_Master_Log_0007.txt");
}

TEST_F(RecordingFilesTest, RecordLine_IsTimeStampSeparatorAndUpperCaseHexBytes) {
  struct Case {
    std::string separator;
    VUC frame;
    std::string expected;
  } cases[] = {
      {ReadingsSeparator, {0x02, 0x6B, 0x00, 0xFF}, "1234567890 23:31:30 02/13/09 : 026B00FF"},
      {SettingsSeparator, {0x02, 0x6B, 0x00, 0xFF}, "1234567890 23:31:30 02/13/09 ; 026B00FF"},
      {ReadingsSeparator, {0x0A, 0xA0, 0x01}, "1234567890 23:31:30 02/13/09 : 0AA001"},
      {ReadingsSeparator, {}, "1234567890 23:31:30 02/13/09 : "},
  };
  for (const auto& c : cases) EXPECT_EQ(RecordLine(c.separator, c.frame, 1234567890), c.expected);
}

TEST_F(RecordingFilesTest, AppendRecordLine_CreatesThenAppendsWithCarriageReturnLineFeed) {
  TempDir dir;
  const std::wstring path = MasterLogPath(dir.Wide(), 7);
  EXPECT_TRUE(AppendRecordLine(path, "first"));
  EXPECT_TRUE(AppendRecordLine(path, "second"));
  EXPECT_EQ(ReadFileBytes(dir.File("QZ_Master_Log_0007.txt")), "first\r\nsecond\r\n");
}

TEST_F(RecordingFilesTest, AppendRecordLine_WhereNoFileCanBe_FailsAndKeepsOtherFiles) {
  TempDir dir;
  const std::wstring kept = MasterLogPath(dir.Wide(), 1);
  ASSERT_TRUE(AppendRecordLine(kept, "kept"));
  // A folder in the file's place stops the write even for root.
  std::filesystem::create_directory(dir.File("QZ_Master_Log_0002.txt"));
  EXPECT_FALSE(AppendRecordLine(MasterLogPath(dir.Wide(), 2), "lost"));
  EXPECT_FALSE(AppendRecordLine(MasterLogPath(dir.Wide() + L"/missing", 2), "lost"));
  EXPECT_EQ(ReadFileBytes(dir.File("QZ_Master_Log_0001.txt")), "kept\r\n");
}

namespace {

class RegisterTest : public RecordingFilesTest {
 protected:
  void SetUp() override {
    RecordingFilesTest::SetUp();
    TestSupport::LoadNetworkTestCatalogue();
    const InstrPars all = InstrByCode(L"TC100").Pars();
    readable_ = ReadablePars(all);
    settable_ = SettablePars(all);
  }

  // Values whose frame has a different byte at every place.
  static InstrParValues ValuesOf(const InstrPars& pars) {
    VUC frame(FrameLength(pars));
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<unsigned char>(i * 7 + 1);
    return FromVUC(pars, frame);
  }

  TestClock clock_{1234567890};
  TempDir dir_;
  InstrPars readable_;
  InstrPars settable_;
};

}  // namespace

TEST_F(RegisterTest, ReadingsAndSettingsOfOneSecond_AreBothAppendedWithTheirSeparators) {
  const InstrParValues readings = ValuesOf(readable_);
  const InstrParValues settings = ValuesOf(settable_);
  ASSERT_TRUE(RegisterReadings(5, readable_, readings, dir_.Wide()));
  ASSERT_TRUE(RegisterSettings(5, settable_, settings, dir_.Wide()));
  clock_.Advance(300);
  ASSERT_TRUE(RegisterReadings(5, readable_, readings, dir_.Wide()));

  EXPECT_EQ(ReadFileBytes(dir_.File("QZ_Master_Log_0005.txt")),
            RecordLine(" : ", ToVUC(readable_, readings), 1234567890) + "\r\n" +
                RecordLine(" ; ", ToVUC(settable_, settings), 1234567890) + "\r\n" +
                RecordLine(" : ", ToVUC(readable_, readings), 1234568190) + "\r\n");
}

TEST_F(RegisterTest, ValuesThatDoNotFitTheList_ThrowBeforeTheFileIsTouched) {
  EXPECT_ANY_THROW(RegisterReadings(5, readable_, DefaultValues(settable_), dir_.Wide()));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("QZ_Master_Log_0005.txt")));
}

TEST_F(RegisterTest, RecordThatCannotBeWritten_IsLoggedAndAnsweredFalse) {
  std::filesystem::create_directory(dir_.File("QZ_Master_Log_0005.txt"));
  TestSupport::LogCapture errors(ErrorLog);
  EXPECT_FALSE(RegisterReadings(5, readable_, DefaultValues(readable_), dir_.Wide()));
  EXPECT_FALSE(RegisterSettings(5, settable_, DefaultValues(settable_), dir_.Wide()));
  EXPECT_NE(errors.Text().find(L"Error in RegisterReadings(): the record of instrument nr. 5 could "
                               L"not be written"),
            std::wstring::npos);
  EXPECT_NE(errors.Text().find(L"Error in RegisterSettings()"), std::wstring::npos);
}
