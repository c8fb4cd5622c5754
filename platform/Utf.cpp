#include "platform/Utf.h"


namespace Platform {
namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsScalarValue(char32_t c) {
  return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
}

void AppendUtf8(std::string& out, char32_t c) {
  if (!IsScalarValue(c)) c = Replacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string WideToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t w : text) AppendUtf8(out, static_cast<char32_t>(w));
  return out;
}

std::wstring Utf8ToWide(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    int follow = 0;
    char32_t c = 0;
    char32_t min = 0;
    if (b < 0x80) {
      out += static_cast<wchar_t>(b);
      ++i;
      continue;
    } else if ((b & 0xE0) == 0xC0) {
      follow = 1; c = b & 0x1F; min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      follow = 2; c = b & 0x0F; min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      follow = 3; c = b & 0x07; min = 0x10000;
    } else {
      out += static_cast<wchar_t>(Replacement);
      ++i;
      continue;
    }
    size_t j = i + 1;
    bool ok = true;
    for (int k = 0; k < follow; ++k, ++j) {
      if (j >= n || (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      c = (c << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
    }
    if (!ok || c < min || !IsScalarValue(c)) {
      out += static_cast<wchar_t>(Replacement);
      i = j;  // a bad continuation byte is read again as a lead byte
      continue;
    }
    out += static_cast<wchar_t>(c);
    i = j;
  }
  return out;
}

std::u16string WideToUtf16(const std::wstring& text) {
  std::u16string out;
  out.reserve(text.size());
  for (wchar_t w : text) {
    char32_t c = static_cast<char32_t>(w);
    if (!IsScalarValue(c)) c = Replacement;
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
  }
  return out;
}

std::wstring Utf16ToWide(const std::u16string& text) {
  std::wstring out;
  out.reserve(text.size());
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    const char16_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      const char32_t c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                         (static_cast<char32_t>(text[i + 1]) - 0xDC00);
      out += static_cast<wchar_t>(c);
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      out += static_cast<wchar_t>(Replacement);
    } else {
      out += static_cast<wchar_t>(u);
    }
  }
  return out;
}

}  // namespace Platform
