#include "network/serial/Parity.h"

namespace SerComm {

unsigned char AddParity(unsigned char c) {
  unsigned ones = 0;
  for (int bit = 0; bit < 7; ++bit) ones ^= (c >> bit) & 1u;
  return static_cast<unsigned char>((c & 0x7F) | (ones << 7));
}

std::string AddParity(std::string text) {
  for (char& c : text) c = static_cast<char>(AddParity(static_cast<unsigned char>(c)));
  return text;
}

unsigned char CheckParity(unsigned char c) { return AddParity(c) == c ? (c & 0x7F) : 0; }

std::string CheckParity(std::string text) {
  for (char& c : text) c = static_cast<char>(CheckParity(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace SerComm
