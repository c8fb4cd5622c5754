#include <gtest/gtest.h>

#include "network/serial/Parity.h"

using namespace SerComm;

TEST(Parity, SentCharacters_CarryEvenParityInBit7) {
  const struct {
    char c;
    unsigned char wire;
  } cases[] = {{':', 0x3A}, {'0', 0x30}, {'1', 0xB1}, {'A', 0x41}, {'C', 0xC3}, {'F', 0xC6}};
  for (const auto& c : cases) EXPECT_EQ(AddParity(static_cast<unsigned char>(c.c)), c.wire) << c.c;
  EXPECT_EQ(AddParity(std::string(":0A")), "\x3A\x30\x41");
}

TEST(Parity, ReceivedCharacters_LoseTheirParityBitOrBecomeNulWhenItIsWrong) {
  const struct {
    unsigned char wire;
    unsigned char c;
  } cases[] = {{0xB1, '1'}, {0x3A, ':'}, {0x31, 0}, {0xC6, 'F'}, {0x46, 0}, {0x00, 0}};
  for (const auto& c : cases) EXPECT_EQ(CheckParity(c.wire), c.c) << int(c.wire);
  EXPECT_EQ(CheckParity(std::string("\x3A\xB1\x31")), std::string(":1\0", 3));
}

TEST(Parity, EveryCharacter_SurvivesTheRoundTrip) {
  for (int c = 0; c < 128; ++c) EXPECT_EQ(CheckParity(AddParity(static_cast<unsigned char>(c))), c);
}
