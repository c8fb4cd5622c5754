#include "foundation/core/TextConv.h"

#include <codecvt>
#include <sstream>

#include "platform/Utf.h"

namespace PardeloStravon {
namespace {

template <typename T>
std::wstring StreamText(const T& v) {
  std::wostringstream os;
  os.imbue(std::locale::classic());
  os << v;
  return os.str();
}

}  // namespace

std::wstring ToWide(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  // Through unsigned char: char is signed here, and sign extension would give
  // no character at all.
  for (char c : text) out += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return out;
}

std::string ToNarrow(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) out += static_cast<char>(static_cast<unsigned char>(c & 0xFF));
  return out;
}

VUC WStrBytes(const wchar_t* text) {
  VUC out;
  for (char16_t u : ToUtf16(text ? text : L"")) {
    out.push_back(static_cast<unsigned char>(u & 0xFF));
    out.push_back(static_cast<unsigned char>(u >> 8));
  }
  out.push_back(0);
  out.push_back(0);
  return out;
}

std::wstring ToWStr(int v) { return StreamText(v); }
std::wstring ToWStr(long v) { return StreamText(v); }
std::wstring ToWStr(unsigned long v) { return StreamText(v); }
std::wstring ToWStr(long long v) { return StreamText(v); }
std::wstring ToWStr(double v) { return StreamText(v); }
std::wstring ToWStr(const wchar_t* v) { return v ? v : L""; }

std::string ToUtf8(const std::wstring& text) { return Platform::WideToUtf8(text); }
std::wstring FromUtf8(const std::string& text) { return Platform::Utf8ToWide(text); }
std::u16string ToUtf16(const std::wstring& text) { return Platform::WideToUtf16(text); }
std::wstring FromUtf16(const std::u16string& text) { return Platform::Utf16ToWide(text); }

std::locale Utf8Locale() {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  static const std::locale utf8(std::locale::classic(), new std::codecvt_utf8<wchar_t>);
#pragma GCC diagnostic pop
  return utf8;
}

}  // namespace PardeloStravon
