#pragma once
// The older binary document format: fields without names, little-endian,
// strings in the framework's length-prefixed form. A loading archive works
// on the whole file in memory, so every count can be checked against what is
// left before anything is allocated.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace Platform {

class LegacyArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class LegacyArchive {
 public:
  // An archive that stores into an empty byte buffer.
  LegacyArchive();
  // An archive that loads from the given bytes.
  explicit LegacyArchive(std::vector<std::uint8_t> bytes);

  bool IsStoring() const { return storing_; }
  bool IsLoading() const { return !storing_; }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }

  void WriteBytes(const std::uint8_t* data, std::size_t count);
  void ReadBytes(std::uint8_t* data, std::size_t count);

  // Wide strings carry the marker FF FE FF before their length; narrow ones
  // carry the length alone.
  void WriteWideString(const std::u16string& text);
  void WriteNarrowString(const std::string& text);
  // Reads either width, as the stored length prefix says; narrow characters
  // are widened as Latin-1.
  std::u16string ReadString();

  // Fails unless exactly count more bytes can still be read.
  void Require(std::size_t count, const char* what) const;

 private:
  std::uint32_t ReadStringLength(bool& wide);
  void WriteStringLength(std::size_t length);

  bool storing_;
  std::vector<std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// Fixed-width fields. `long` and `unsigned long` are 4 bytes in this format.
LegacyArchive& operator<<(LegacyArchive& ar, std::int32_t v);
LegacyArchive& operator<<(LegacyArchive& ar, std::uint32_t v);
LegacyArchive& operator<<(LegacyArchive& ar, long v);
LegacyArchive& operator<<(LegacyArchive& ar, unsigned long v);
LegacyArchive& operator<<(LegacyArchive& ar, std::uint16_t v);
LegacyArchive& operator<<(LegacyArchive& ar, std::uint8_t v);
LegacyArchive& operator<<(LegacyArchive& ar, bool v);
LegacyArchive& operator<<(LegacyArchive& ar, float v);

LegacyArchive& operator>>(LegacyArchive& ar, std::int32_t& v);
LegacyArchive& operator>>(LegacyArchive& ar, std::uint32_t& v);
LegacyArchive& operator>>(LegacyArchive& ar, long& v);
LegacyArchive& operator>>(LegacyArchive& ar, unsigned long& v);
LegacyArchive& operator>>(LegacyArchive& ar, std::uint16_t& v);
LegacyArchive& operator>>(LegacyArchive& ar, std::uint8_t& v);
LegacyArchive& operator>>(LegacyArchive& ar, bool& v);
LegacyArchive& operator>>(LegacyArchive& ar, float& v);

// Whole files; errors name the file.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace Platform
