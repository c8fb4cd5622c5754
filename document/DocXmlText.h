#pragma once
// The bytes of an XML document file and the wide text the archive works on.
// Files are UTF-8 with CR LF line ends, as the older program wrote them in
// text mode; it wrote each UTF-16 unit on its own, so a character above
// U+FFFF may stand as two three-byte halves.
//
// The archive reads and writes one character at a time: the two stream
// buffers below convert a few thousand characters at a time between its
// wide stream and the file's bytes, so the wide text is never held whole.
#include <exception>
#include <memory>
#include <streambuf>
#include <string>
#include <string_view>

namespace PardeloStravon {

// LF becomes CR LF; each character is encoded on its own, a lone surrogate
// half as its own three-byte sequence, as the archive's encoder does.
std::string EncodeDocText(const std::wstring& text);

// Skips a byte-order mark, turns CR LF into LF and decodes UTF-8; two halves
// of a surrogate pair in a row become one character, a lone half stays.
// Throws std::runtime_error naming the offset of bytes that are no UTF-8.
std::wstring DecodeDocText(std::string_view bytes);

// Throws as DecodeDocText would, without decoding.
void CheckDocText(std::string_view bytes);

// A wide stream's output, encoded as EncodeDocText does.
class DocTextWriter : public std::wstreambuf {
 public:
  // Room for `expected` bytes is made at once: growing a text of megabytes
  // step by step copies it over and over.
  explicit DocTextWriter(std::size_t expected = 0);
  ~DocTextWriter() override;
  DocTextWriter(const DocTextWriter&) = delete;
  DocTextWriter& operator=(const DocTextWriter&) = delete;

  // The bytes of everything written so far; the writer is empty afterwards.
  // Throws what made the stream fail (a character beyond U+10FFFF).
  std::string Take();

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  void Drain();

  std::unique_ptr<wchar_t[]> wide_;
  std::unique_ptr<char[]> encoded_;
  std::string bytes_;
  std::exception_ptr error_;
};

// A wide stream's input, decoded from `bytes` as DecodeDocText does. The
// bytes must outlive the reader; bytes that are no UTF-8 end the input with
// an error of the stream (check them first with CheckDocText).
class DocTextReader : public std::wstreambuf {
 public:
  explicit DocTextReader(std::string_view bytes);
  ~DocTextReader() override;
  DocTextReader(const DocTextReader&) = delete;
  DocTextReader& operator=(const DocTextReader&) = delete;

 protected:
  int_type underflow() override;

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
  std::unique_ptr<wchar_t[]> wide_;
};

}  // namespace PardeloStravon
