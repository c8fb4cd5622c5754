#pragma once
// Hand-made legacy documents are kept as commented hex: one value a line,
// its bytes, a "|" and the field's name; lines beginning with "#" are notes.
#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport {

std::vector<std::uint8_t> HexFileBytes(const std::string& text);

}  // namespace TestSupport
