#pragma once
// The serial device as the fuzz targets of the line see it. The fuzz input
// is the instruments' side: every request written is answered by its next
// piece, up to and with a line feed; a line feed ends a read as the silence
// after an answer does; a read with nothing waiting is a time-out, at once.
// What was not read stays waiting until a purge.
#include <cstddef>
#include <string>

namespace FuzzPort {

// The bytes the line will deliver, from the start; what was written is
// forgotten.
void Feed(const unsigned char* data, std::size_t size);
const std::string& Written();

}  // namespace FuzzPort
