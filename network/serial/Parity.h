#pragma once
// Even parity in bit 7 of every character. The port runs without parity;
// the program adds it when sending and checks it on every character read.
#include <string>

namespace SerComm {

// Bit 7 becomes the exclusive or of bits 0 to 6.
unsigned char AddParity(unsigned char c);
std::string AddParity(std::string text);

// The character with bit 7 cleared when its parity is right, else 0, so a
// damaged character can never pass for a hex digit.
unsigned char CheckParity(unsigned char c);
std::string CheckParity(std::string text);

}  // namespace SerComm
