#include "platform/LegacyArchive.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

namespace Platform {
namespace {

template <typename U>
void PutLittle(LegacyArchive& ar, U v) {
  std::uint8_t b[sizeof(U)];
  for (std::size_t i = 0; i < sizeof(U); ++i) b[i] = static_cast<std::uint8_t>(v >> (8 * i));
  ar.WriteBytes(b, sizeof(U));
}

template <typename U>
U GetLittle(LegacyArchive& ar) {
  std::uint8_t b[sizeof(U)];
  ar.ReadBytes(b, sizeof(U));
  U v = 0;
  for (std::size_t i = 0; i < sizeof(U); ++i) v |= static_cast<U>(static_cast<U>(b[i]) << (8 * i));
  return v;
}

}  // namespace

LegacyArchive::LegacyArchive() : storing_(true) {}

LegacyArchive::LegacyArchive(std::vector<std::uint8_t> bytes)
    : storing_(false), bytes_(std::move(bytes)) {}

void LegacyArchive::Require(std::size_t count, const char* what) const {
  if (count > Remaining()) {
    throw LegacyArchiveError("Legacy archive: " + std::string(what) + " needs " +
                             std::to_string(count) + " bytes at offset " + std::to_string(pos_) +
                             ", but only " + std::to_string(Remaining()) + " are left");
  }
}

void LegacyArchive::WriteBytes(const std::uint8_t* data, std::size_t count) {
  if (!storing_) throw LegacyArchiveError("Legacy archive: write to an archive opened for loading");
  bytes_.insert(bytes_.end(), data, data + count);
}

void LegacyArchive::ReadBytes(std::uint8_t* data, std::size_t count) {
  if (storing_) throw LegacyArchiveError("Legacy archive: read from an archive opened for storing");
  Require(count, "a field");
  if (count) std::memcpy(data, bytes_.data() + pos_, count);
  pos_ += count;
}

void LegacyArchive::WriteStringLength(std::size_t length) {
  if (length < 0xFF) {
    *this << static_cast<std::uint8_t>(length);
  } else if (length < 0xFFFE) {
    *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(length);
  } else {
    if (length > std::numeric_limits<std::uint32_t>::max())
      throw LegacyArchiveError("Legacy archive: string too long to store");
    *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFF)
          << static_cast<std::uint32_t>(length);
  }
}

void LegacyArchive::WriteWideString(const std::u16string& text) {
  *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFE);
  WriteStringLength(text.size());
  for (char16_t u : text) *this << static_cast<std::uint16_t>(u);
}

void LegacyArchive::WriteNarrowString(const std::string& text) {
  WriteStringLength(text.size());
  WriteBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::uint32_t LegacyArchive::ReadStringLength(bool& wide) {
  wide = false;
  std::uint8_t b = 0;
  *this >> b;
  if (b < 0xFF) return b;
  std::uint16_t w = 0;
  *this >> w;
  if (w == 0xFFFE) {
    wide = true;
    *this >> b;
    if (b < 0xFF) return b;
    *this >> w;
  }
  if (w < 0xFFFF) return w;
  std::uint32_t d = 0;
  *this >> d;
  return d;
}

std::u16string LegacyArchive::ReadString() {
  bool wide = false;
  const std::uint32_t length = ReadStringLength(wide);
  const std::size_t unit = wide ? 2 : 1;
  if (length > Remaining() / unit) Require(std::size_t(length) * unit, "a string");
  std::u16string text;
  text.reserve(length);
  for (std::uint32_t i = 0; i < length; ++i) {
    if (wide) {
      std::uint16_t u = 0;
      *this >> u;
      text += static_cast<char16_t>(u);
    } else {
      std::uint8_t c = 0;
      *this >> c;
      text += static_cast<char16_t>(c);
    }
  }
  return text;
}

LegacyArchive& operator<<(LegacyArchive& ar, std::int32_t v) {
  PutLittle(ar, static_cast<std::uint32_t>(v));
  return ar;
}
LegacyArchive& operator<<(LegacyArchive& ar, std::uint32_t v) {
  PutLittle(ar, v);
  return ar;
}
LegacyArchive& operator<<(LegacyArchive& ar, long v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    throw LegacyArchiveError("Legacy archive: " + std::to_string(v) + " does not fit in 4 bytes");
  return ar << static_cast<std::int32_t>(v);
}
LegacyArchive& operator<<(LegacyArchive& ar, unsigned long v) {
  if (v > std::numeric_limits<std::uint32_t>::max())
    throw LegacyArchiveError("Legacy archive: " + std::to_string(v) + " does not fit in 4 bytes");
  return ar << static_cast<std::uint32_t>(v);
}
LegacyArchive& operator<<(LegacyArchive& ar, std::uint16_t v) {
  PutLittle(ar, v);
  return ar;
}
LegacyArchive& operator<<(LegacyArchive& ar, std::uint8_t v) {
  ar.WriteBytes(&v, 1);
  return ar;
}
LegacyArchive& operator<<(LegacyArchive& ar, bool v) {
  return ar << static_cast<std::uint8_t>(v ? 1 : 0);
}
LegacyArchive& operator<<(LegacyArchive& ar, float v) {
  std::uint32_t bits = 0;
  static_assert(sizeof bits == sizeof v);
  std::memcpy(&bits, &v, sizeof bits);
  return ar << bits;
}

LegacyArchive& operator>>(LegacyArchive& ar, std::int32_t& v) {
  v = static_cast<std::int32_t>(GetLittle<std::uint32_t>(ar));
  return ar;
}
LegacyArchive& operator>>(LegacyArchive& ar, std::uint32_t& v) {
  v = GetLittle<std::uint32_t>(ar);
  return ar;
}
LegacyArchive& operator>>(LegacyArchive& ar, long& v) {
  std::int32_t i = 0;
  ar >> i;
  v = i;
  return ar;
}
LegacyArchive& operator>>(LegacyArchive& ar, unsigned long& v) {
  std::uint32_t u = 0;
  ar >> u;
  v = u;
  return ar;
}
LegacyArchive& operator>>(LegacyArchive& ar, std::uint16_t& v) {
  v = GetLittle<std::uint16_t>(ar);
  return ar;
}
LegacyArchive& operator>>(LegacyArchive& ar, std::uint8_t& v) {
  ar.ReadBytes(&v, 1);
  return ar;
}
LegacyArchive& operator>>(LegacyArchive& ar, bool& v) {
  std::uint8_t b = 0;
  ar >> b;
  v = b != 0;
  return ar;
}
LegacyArchive& operator>>(LegacyArchive& ar, float& v) {
  std::uint32_t bits = 0;
  ar >> bits;
  std::memcpy(&v, &bits, sizeof v);
  return ar;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw LegacyArchiveError("Cannot open the file " + path + " for reading");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) throw LegacyArchiveError("Cannot read the file " + path);
  return bytes;
}

void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw LegacyArchiveError("Cannot open the file " + path + " for writing");
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw LegacyArchiveError("Cannot write the file " + path);
}

}  // namespace Platform
