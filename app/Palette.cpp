#include "app/Palette.h"

namespace {

constexpr std::size_t MaxPaletteEntries = 256;

std::vector<PaletteEntry> MakeHalftone() {
  std::vector<PaletteEntry> entries;
  entries.reserve(MaxPaletteEntries);
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        entries.push_back({static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                           static_cast<std::uint8_t>(b * 51), 0});
  // 40 greys strictly between black and white; none repeats a cube grey
  // (multiples of 51), because 255 * i / 41 never is one for i < 41.
  for (int i = 1; i <= 40; ++i) {
    const auto v = static_cast<std::uint8_t>((255 * i + 20) / 41);
    entries.push_back({v, v, v, 0});
  }
  return entries;
}

}  // namespace

bool CPalette::CreatePalette(std::vector<PaletteEntry> entries) {
  if (entries.empty() || entries.size() > MaxPaletteEntries) {
    entries_.clear();
    return false;
  }
  entries_ = std::move(entries);
  return true;
}

bool CPalette::CreateHalftonePalette() { return CreatePalette(HalftonePaletteEntries()); }

const std::vector<PaletteEntry>& HalftonePaletteEntries() {
  static const std::vector<PaletteEntry> entries = MakeHalftone();
  return entries;
}
