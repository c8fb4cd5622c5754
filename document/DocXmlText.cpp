#include "document/DocXmlText.h"

#include <cstdint>
#include <stdexcept>

namespace PardeloStravon {

namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp <= 0x10FFFF) {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    throw std::runtime_error("a character beyond U+10FFFF cannot be written");
  }
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

}  // namespace

std::string EncodeDocText(const std::wstring& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (const wchar_t c : text) {
    if (c == L'\n') out += '\r';
    AppendUtf8(out, static_cast<std::uint32_t>(c));
  }
  return out;
}

std::wstring DecodeDocText(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::wstring text;
  text.reserve(bytes.size());
  std::size_t at = 0;
  while (at < bytes.size()) {
    if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') {
      ++at;
      continue;
    }
    std::uint32_t cp = DecodeOne(bytes, at);
    if (IsHigh(cp) && at < bytes.size()) {
      std::size_t next = at;
      const std::uint32_t low = DecodeOne(bytes, next);
      if (IsLow(low)) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        at = next;
      }
    }
    text += static_cast<wchar_t>(cp);
  }
  return text;
}

}  // namespace PardeloStravon
