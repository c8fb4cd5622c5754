#pragma once
// Intel HEX records, the frames of the serial line: ":" then upper-case hex
// digit pairs for count, address, type, data and checksum. The type field
// carries the command, the address field the instrument.
#include <cstddef>
#include <exception>
#include <string>
#include <vector>

namespace IntelHex {

// Raised when a record is built from fields out of range.
// Reason 1: count above 16 or not the number of data bytes; 2: address
// outside 0 to 0xFFFF (also its last data byte's); 3: type outside 0 to 255.
class BadHexRec : public std::exception {
 public:
  explicit BadHexRec(int reason) : reason_(reason) {}
  int Reason() const { return reason_; }
  const char* what() const noexcept override;

 private:
  int reason_;
};

constexpr int MaxDataBytes = 16;

class Record {
 public:
  // Invalid, with empty text and data.
  Record() = default;
  // A valid record with its text form; raises BadHexRec.
  Record(int count, int address, int type, const std::vector<unsigned char>& data);

  bool IsValid() const { return valid_; }
  int Count() const { return count_; }
  int Address() const { return address_; }
  int Type() const { return type_; }
  const std::vector<unsigned char>& Data() const { return data_; }
  std::string Text() const { return text_; }

 private:
  friend Record ParseRecord(const std::string& text);

  bool valid_ = false;
  int count_ = 0;
  int address_ = 0;
  int type_ = 0;
  std::string text_;
  std::vector<unsigned char> data_;
};

// Reads one record from the start of the text. White space before the colon
// and between digits is skipped and left out of the record's text; what
// follows the checksum is not read. Never raises: any fault gives an
// invalid record.
Record ParseRecord(const std::string& text);

// (256 - sum of the digit pairs from start to the end of the text) mod 256.
// A character that is no hex digit counts as 0 and a lone last digit is
// ignored, so any text gives a result.
int RecordChecksum(const std::string& text, std::size_t start);

// The value of an upper-case hex digit, -1 for any other character.
int HexDigitValue(char c);

// Upper-case hex and decimal digits; a negative value writes an error line
// and gives a blank (hex) or "*" (decimal) as its digit. Padding adds
// leading zeros up to the width and never cuts a longer text.
std::string int2hex(int v);
std::string int2hexPadded(int v, int width);
std::string int2dec(int v);
std::string int2decPadded(int v, int width);

}  // namespace IntelHex
