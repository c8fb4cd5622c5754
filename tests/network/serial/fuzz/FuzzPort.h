#pragma once
// The serial device as the fuzz targets of the line see it: every read takes
// the next bytes of the fuzz input, and a read past its end is a time-out
// with nothing, at once. A line feed ends a read, as the silence after an
// answer does on the line; the open's first read throws one byte away. What the program writes is kept.
#include <cstddef>
#include <string>

namespace FuzzPort {

// The bytes the line will deliver, from the start; what was written is
// forgotten.
void Feed(const unsigned char* data, std::size_t size);
const std::string& Written();

}  // namespace FuzzPort
