#include <gtest/gtest.h>

#include "foundation/core/LogChannel.h"
#include "network/serial/IntelHex.h"
#include "tests/support/LogCapture.h"

using namespace IntelHex;

TEST(IntelHexRecord, BuiltRecords_HaveTheirTextForm) {
  const struct {
    int count, address, type;
    std::vector<unsigned char> data;
    const char* text;
  } cases[] = {
      {2, 6149, 132, {0x00, 0x0F}, ":02180584000F4E"},
      {0, 6149, 130, {}, ":0018058261"},
      {0, 6145, 139, {}, ":0018018B5C"},
      {1, 0xFFFF, 255, {0xAB}, ":01FFFFFFAB57"},
  };
  for (const auto& c : cases) {
    const Record r(c.count, c.address, c.type, c.data);
    EXPECT_TRUE(r.IsValid());
    EXPECT_EQ(r.Text(), c.text);
    EXPECT_EQ(RecordChecksum(r.Text(), 1), 0);
  }
  EXPECT_EQ(Record(16, 0, 0, std::vector<unsigned char>(16, 0)).Text().size(), 43u);
}

TEST(IntelHexRecord, FieldsOutOfRange_RaiseTheirReason) {
  const struct {
    int count, address, type;
    std::size_t dataBytes;
    int reason;
  } cases[] = {
      {17, 0, 0, 17, 1},     {2, 0, 0, 3, 1},   {2, 0xFFFF, 0, 2, 2}, {0, -1, 0, 0, 2},
      {0, 0x10000, 0, 0, 2}, {0, 0, 256, 0, 3}, {0, 0, -1, 0, 3},
  };
  for (const auto& c : cases) {
    try {
      Record(c.count, c.address, c.type, std::vector<unsigned char>(c.dataBytes));
      ADD_FAILURE() << "no BadHexRec for count " << c.count << " address " << c.address;
    } catch (const BadHexRec& e) {
      EXPECT_EQ(e.Reason(), c.reason);
    }
  }
}

TEST(IntelHexParse, WellFormedText_GivesTheRecordWithBlanksLeftOut) {
  const char* texts[] = {":02180584000F4E", "  \r\n:02180584000F4E\r\n", ":02 18\n05 84 00 0F 4E",
                         ":02180584000F4EXYZ"};
  for (const char* t : texts) {
    const Record r = ParseRecord(t);
    ASSERT_TRUE(r.IsValid()) << t;
    EXPECT_EQ(r.Count(), 2);
    EXPECT_EQ(r.Address(), 6149);
    EXPECT_EQ(r.Type(), 132);
    EXPECT_EQ(r.Data(), (std::vector<unsigned char>{0x00, 0x0F}));
    EXPECT_EQ(r.Text(), ":02180584000F4E");
  }
}

TEST(IntelHexParse, DamagedText_GivesAnInvalidRecord) {
  const std::string cut = ":02180584000F";
  const char* texts[] = {
      ":02180584000F4e",                              // lower-case digit
      ":02180584000F4F",                              // wrong checksum
      ":111805840000000000000000000000000000000000",  // 17 bytes
      "02180584000F4E",                               // no colon
      "",
      ":0218058400",  // cut short
      ":0218\0"
      "0584000F4E",
  };
  for (const char* t : texts) EXPECT_FALSE(ParseRecord(t).IsValid()) << t;
  EXPECT_FALSE(ParseRecord(std::string(":02\0"
                                       "180584000F4E",
                                       15))
                   .IsValid());
  EXPECT_FALSE(ParseRecord(cut).IsValid());
}

TEST(IntelHexNumbers, DigitsArePaddedButNeverCut) {
  EXPECT_EQ(int2hexPadded(5, 4), "0005");
  EXPECT_EQ(int2hexPadded(74565, 4), "12345");
  EXPECT_EQ(int2hex(255), "FF");
  EXPECT_EQ(int2hex(0), "0");
  EXPECT_EQ(int2decPadded(7, 4), "0007");
  EXPECT_EQ(int2decPadded(12345, 4), "12345");
  EXPECT_EQ(int2dec(0), "0");
}

TEST(IntelHexNumbers, NegativeValues_WriteAnErrorAndAPlaceholderDigit) {
  TestSupport::LogCapture errors(PardeloStravon::ErrorLog);
  EXPECT_EQ(int2hex(-1), " ");
  EXPECT_EQ(int2dec(-1), "*");
  EXPECT_EQ(errors.Text(), L"error int2hex\nerror int2dec\n");
}
