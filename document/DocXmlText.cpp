#include "document/DocXmlText.h"

#include <cstdint>
#include <cstring>
#include <exception>
#include <stdexcept>

namespace PardeloStravon {

namespace {

// Characters converted at a time, and kept for putting back on input.
constexpr std::size_t Chunk = 8192;
constexpr std::size_t PutBack = 4;

// The longest encoding of one character: four bytes, or CR LF.
constexpr std::size_t MostBytes = 4;

// Writes the bytes of `c` at `out`, a line feed as CR LF; the end.
char* PutEncoded(char* out, wchar_t c) {
  const auto cp = static_cast<std::uint32_t>(c);
  if (cp < 0x80) {
    if (c == L'\n') *out++ = '\r';
    *out++ = static_cast<char>(cp);
  } else if (cp < 0x800) {
    *out++ = static_cast<char>(0xC0 | (cp >> 6));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (cp >> 12));
    *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp <= 0x10FFFF) {
    *out++ = static_cast<char>(0xF0 | (cp >> 18));
    *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    throw std::runtime_error("a character beyond U+10FFFF cannot be written");
  }
  return out;
}

// The bytes of [begin, end) appended to `bytes`, through `scratch` of
// MostBytes bytes for each character.
void AppendEncoded(std::string& bytes, const wchar_t* begin, const wchar_t* end, char* scratch) {
  char* out = scratch;
  for (const wchar_t* c = begin; c != end; ++c) {
    // Most of a document is ASCII other than line feeds.
    if (*c >= 0 && *c < 0x80 && *c != L'\n')
      *out++ = static_cast<char>(*c);
    else
      out = PutEncoded(out, *c);
  }
  bytes.append(scratch, static_cast<std::size_t>(out - scratch));
}

[[noreturn]] void NotUtf8(std::size_t offset) {
  throw std::runtime_error("the document file is not valid UTF-8 at byte offset " +
                           std::to_string(offset));
}

// One UTF-8 sequence at `at`; surrogate halves are accepted here.
std::uint32_t DecodeOne(std::string_view b, std::size_t& at) {
  const std::size_t start = at;
  const auto lead = static_cast<unsigned char>(b[at]);
  int more = 0;
  std::uint32_t cp = 0;
  std::uint32_t least = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1, cp = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2, cp = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3, cp = lead & 0x07, least = 0x10000;
  } else {
    NotUtf8(start);
  }
  ++at;
  for (int k = 0; k < more; ++k, ++at) {
    if (at >= b.size()) NotUtf8(start);
    const auto c = static_cast<unsigned char>(b[at]);
    if ((c & 0xC0) != 0x80) NotUtf8(start);
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < least || cp > 0x10FFFF) NotUtf8(start);
  return cp;
}

bool IsHigh(std::uint32_t cp) { return cp >= 0xD800 && cp <= 0xDBFF; }
bool IsLow(std::uint32_t cp) { return cp >= 0xDC00 && cp <= 0xDFFF; }

std::string_view WithoutMark(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  return bytes;
}

// Decodes from `at` into `out` until `room` characters are there or the
// bytes end; the number of characters.
std::size_t DecodeSome(std::string_view b, std::size_t& at, wchar_t* out, std::size_t room) {
  std::size_t n = 0;
  while (n < room && at < b.size()) {
    const char byte = b[at];
    if (static_cast<unsigned char>(byte) < 0x80) {
      if (byte == '\r' && at + 1 < b.size() && b[at + 1] == '\n') ++at;
      out[n++] = static_cast<wchar_t>(b[at++]);
      continue;
    }
    std::uint32_t cp = DecodeOne(b, at);
    if (IsHigh(cp) && at < b.size()) {
      std::size_t next = at;
      const std::uint32_t low = DecodeOne(b, next);
      if (IsLow(low)) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        at = next;
      }
    }
    out[n++] = static_cast<wchar_t>(cp);
  }
  return n;
}

}  // namespace

std::string EncodeDocText(const std::wstring& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  char scratch[Chunk * MostBytes];
  for (std::size_t at = 0; at < text.size(); at += Chunk) {
    const std::size_t n = std::min(Chunk, text.size() - at);
    AppendEncoded(out, text.data() + at, text.data() + at + n, scratch);
  }
  return out;
}

std::wstring DecodeDocText(std::string_view bytes) {
  bytes = WithoutMark(bytes);
  std::wstring text;
  text.reserve(bytes.size());
  wchar_t buffer[Chunk];
  std::size_t at = 0;
  while (const std::size_t n = DecodeSome(bytes, at, buffer, Chunk)) text.append(buffer, n);
  return text;
}

void CheckDocText(std::string_view bytes) {
  bytes = WithoutMark(bytes);
  wchar_t buffer[Chunk];
  std::size_t at = 0;
  while (DecodeSome(bytes, at, buffer, Chunk) != 0) {
  }
}

DocTextWriter::DocTextWriter(std::size_t expected)
    : wide_(new wchar_t[Chunk]), encoded_(new char[Chunk * MostBytes]) {
  bytes_.reserve(expected);
  setp(wide_.get(), wide_.get() + Chunk);
}

DocTextWriter::~DocTextWriter() = default;

std::string DocTextWriter::Take() {
  Drain();
  if (error_) std::rethrow_exception(error_);
  std::string taken;
  taken.swap(bytes_);
  return taken;
}

// A character that cannot be encoded fails the stream; the cause waits for
// Take, as the stream only notes that it failed.
void DocTextWriter::Drain() {
  try {
    AppendEncoded(bytes_, pbase(), pptr(), encoded_.get());
  } catch (...) {
    if (!error_) error_ = std::current_exception();
  }
  setp(wide_.get(), wide_.get() + Chunk);
}

DocTextWriter::int_type DocTextWriter::overflow(int_type c) {
  Drain();
  if (error_) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DocTextWriter::sync() {
  Drain();
  return error_ ? -1 : 0;
}

DocTextReader::DocTextReader(std::string_view bytes)
    : bytes_(WithoutMark(bytes)), wide_(new wchar_t[PutBack + Chunk]) {
  setg(wide_.get(), wide_.get(), wide_.get());
}

DocTextReader::~DocTextReader() = default;

DocTextReader::int_type DocTextReader::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  // The last characters read stay in front, to be put back.
  const std::size_t kept = std::min<std::size_t>(PutBack, static_cast<std::size_t>(gptr() - eback()));
  std::memmove(wide_.get(), gptr() - kept, kept * sizeof(wchar_t));
  const std::size_t n = DecodeSome(bytes_, at_, wide_.get() + kept, Chunk);
  setg(wide_.get(), wide_.get() + kept, wide_.get() + kept + n);
  if (n == 0) return traits_type::eof();
  return traits_type::to_int_type(*gptr());
}

}  // namespace PardeloStravon
