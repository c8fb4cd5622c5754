#pragma once
// Colour tables and palette records of device-independent bitmaps. X keeps
// no palettes, so a palette is only the record of its entries: drawing
// never needs it, but callers read it as the system's palette objects did.
#include <cstdint>
#include <vector>

struct RgbQuad {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;

  friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};

struct PaletteEntry {
  std::uint8_t peRed = 0;
  std::uint8_t peGreen = 0;
  std::uint8_t peBlue = 0;
  std::uint8_t peFlags = 0;

  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

class CPalette {
 public:
  // Between 1 and 256 entries; false (and empty) otherwise.
  bool CreatePalette(std::vector<PaletteEntry> entries);
  // The fixed table used for images without a colour table of their own.
  bool CreateHalftonePalette();
  void DeleteObject() { entries_.clear(); }

  bool IsEmpty() const { return entries_.empty(); }
  int GetEntryCount() const { return static_cast<int>(entries_.size()); }
  const std::vector<PaletteEntry>& GetEntries() const { return entries_; }

 private:
  std::vector<PaletteEntry> entries_;
};

// 256 entries: the 6 x 6 x 6 colour cube, then a ramp of 40 greys between
// its levels.
const std::vector<PaletteEntry>& HalftonePaletteEntries();
