#include "tests/document/HexFile.h"

#include <sstream>
#include <stdexcept>

namespace TestSupport {

std::vector<std::uint8_t> HexFileBytes(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line[0] == '#') continue;
    std::istringstream hex(line.substr(0, line.find('|')));
    std::string byte;
    while (hex >> byte) {
      if (byte.size() != 2) throw std::invalid_argument("not a hex byte: " + byte);
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
    }
  }
  return bytes;
}

}  // namespace TestSupport
