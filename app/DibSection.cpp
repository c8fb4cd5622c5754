#include "app/DibSection.h"

#include <wx/log.h>
#include <wx/mstream.h>

#include <cstdint>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;  // the smallest header with a 4-byte colour table

std::uint32_t Le32(std::span<const unsigned char> b, std::size_t at) {
  return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
         std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const unsigned char> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

std::optional<DibSection> ReadDibSection(std::span<const unsigned char> bmp) {
  if (bmp.size() < FileHeaderSize + InfoHeaderSize || bmp[0] != 'B' || bmp[1] != 'M') return std::nullopt;
  const std::size_t pixelsAt = Le32(bmp, 10);
  const std::size_t headerSize = Le32(bmp, FileHeaderSize);
  if (headerSize < InfoHeaderSize || pixelsAt > bmp.size()) return std::nullopt;

  DibSection dib;
  dib.bitsPerPixel = Le16(bmp, FileHeaderSize + 14);
  if (dib.bitsPerPixel <= 8) {
    const std::size_t most = std::size_t{1} << dib.bitsPerPixel;
    const std::size_t used = Le32(bmp, FileHeaderSize + 32);
    const std::size_t count = used == 0 || used > most ? most : used;
    const std::size_t tableAt = FileHeaderSize + headerSize;
    if (tableAt > pixelsAt || (pixelsAt - tableAt) / 4 < count) return std::nullopt;
    dib.colorTable.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = tableAt + 4 * i;
      dib.colorTable[i] = {bmp[at], bmp[at + 1], bmp[at + 2], 0};
    }
  }

  // A damaged file is reported by our result, not by a toolkit message box.
  wxLogNull quiet;
  wxMemoryInputStream in(bmp.data(), bmp.size());
  if (!dib.image.LoadFile(in, wxBITMAP_TYPE_BMP) || !dib.image.IsOk()) return std::nullopt;
  return dib;
}
