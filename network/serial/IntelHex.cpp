#include "network/serial/IntelHex.h"

#include "foundation/core/LogChannel.h"

namespace IntelHex {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string Padded(std::string digits, int width) {
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Reads the text left to right, skipping blanks before every character.
class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  bool Next(char& c) {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    if (pos_ == text_.size()) return false;
    c = text_[pos_++];
    return true;
  }

  // Two digits, appended to the record text as they are read.
  bool HexByte(std::string& recordText, int& value) {
    char hi = 0;
    char lo = 0;
    if (!Next(hi) || HexDigitValue(hi) < 0) return false;
    recordText += hi;
    if (!Next(lo) || HexDigitValue(lo) < 0) return false;
    recordText += lo;
    value = 16 * HexDigitValue(hi) + HexDigitValue(lo);
    return true;
  }

 private:
  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

const char* BadHexRec::what() const noexcept {
  switch (reason_) {
    case 1:
      return "In IntelHex::Record: bad byte count";
    case 2:
      return "In IntelHex::Record: address out of range";
    case 3:
      return "In IntelHex::Record: type out of range";
    default:
      return "In IntelHex::Record: bad record";
  }
}

Record::Record(int count, int address, int type, const std::vector<unsigned char>& data) {
  if (count > MaxDataBytes || count < 0 || static_cast<std::size_t>(count) != data.size())
    throw BadHexRec(1);
  if (address > 0xFFFF || address + count - 1 > 0xFFFF || address < 0) throw BadHexRec(2);
  if (type > 255 || type < 0) throw BadHexRec(3);
  count_ = count;
  address_ = address;
  type_ = type;
  data_ = data;
  text_ = ":" + int2hexPadded(count, 2) + int2hexPadded(address, 4) + int2hexPadded(type, 2);
  for (unsigned char b : data) text_ += int2hexPadded(b, 2);
  text_ += int2hexPadded(RecordChecksum(text_, 1), 2);
  valid_ = true;
}

Record ParseRecord(const std::string& text) {
  Record r;
  r.data_.assign(MaxDataBytes, 0xFF);
  Reader in(text);
  char colon = 0;
  if (!in.Next(colon) || colon != ':') return r;
  r.text_ = ":";
  if (!in.HexByte(r.text_, r.count_) || r.count_ > MaxDataBytes) return r;
  int high = 0;
  int low = 0;
  if (!in.HexByte(r.text_, high) || !in.HexByte(r.text_, low)) return r;
  r.address_ = high * 256 + low;
  if (!in.HexByte(r.text_, r.type_)) return r;
  for (int i = 0; i < r.count_; ++i) {
    int b = 0;
    if (!in.HexByte(r.text_, b)) return r;
    r.data_[i] = static_cast<unsigned char>(b);
  }
  int checksum = 0;
  if (!in.HexByte(r.text_, checksum) || RecordChecksum(r.text_, 1) != 0) return r;
  r.valid_ = true;
  r.data_.resize(r.count_);
  return r;
}

int RecordChecksum(const std::string& text, std::size_t start) {
  unsigned sum = 0;
  for (std::size_t i = start; i + 1 < text.size(); i += 2) {
    const int hi = HexDigitValue(text[i]);
    const int lo = HexDigitValue(text[i + 1]);
    sum += 16 * (hi < 0 ? 0 : hi) + (lo < 0 ? 0 : lo);
  }
  return static_cast<int>((256 - sum % 256) % 256);
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string int2hex(int v) {
  if (v > 15) return int2hex(v / 16) + int2hex(v % 16);
  if (v < 0) {
    PardeloStravon::ErrorLog << L"error int2hex\n";
    return " ";
  }
  return std::string(1, "0123456789ABCDEF"[v]);
}

std::string int2hexPadded(int v, int width) { return Padded(int2hex(v), width); }

std::string int2dec(int v) {
  if (v > 9) return int2dec(v / 10) + int2dec(v % 10);
  if (v < 0) {
    PardeloStravon::ErrorLog << L"error int2dec\n";
    return "*";
  }
  return std::string(1, static_cast<char>('0' + v));
}

std::string int2decPadded(int v, int width) { return Padded(int2dec(v), width); }

}  // namespace IntelHex
