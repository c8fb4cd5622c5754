#include "sender/MimeEncoding.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace Sendora {
namespace {

constexpr std::size_t BodyLineLimit = 76;
constexpr std::size_t HeaderLineLimit = 78;
constexpr std::string_view WordStart = "=?UTF-8?B?";
constexpr std::string_view WordEnd = "?=";

std::string Escaped(unsigned char c) {
  static const char hex[] = "0123456789ABCDEF";
  return {'=', hex[c >> 4], hex[c & 0x0F]};
}

// One line of the text as quoted-printable pieces, none of which may be cut.
std::vector<std::string> Pieces(std::string_view line) {
  std::vector<std::string> pieces;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    const bool blank = c == ' ' || c == '\t';
    const bool last = i + 1 == line.size();
    if ((c >= 33 && c <= 126 && c != '=') || (blank && !last))
      pieces.emplace_back(1, static_cast<char>(c));
    else
      pieces.push_back(Escaped(c));
  }
  return pieces;
}

void EncodeLine(std::string_view line, std::string& out) {
  const auto pieces = Pieces(line);
  std::size_t column = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    // A soft break "=" takes one column, except after the line's last piece.
    const std::size_t room = i + 1 == pieces.size() ? BodyLineLimit : BodyLineLimit - 1;
    if (column + pieces[i].size() > room) {
      out += "=\n";
      column = 0;
    }
    out += pieces[i];
    column += pieces[i].size();
  }
  out += '\n';
}

std::string Base64(std::string_view bytes) {
  static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 3; ++k)
      v = v << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (std::size_t k = 0; k < 4; ++k) out += k <= n ? digits[v >> (18 - 6 * k) & 0x3F] : '=';
  }
  return out;
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool FitsAsItIs(std::string_view name, std::string_view value) {
  if (name.size() + 2 + value.size() > HeaderLineLimit) return false;
  if (value.find("=?") != std::string_view::npos) return false;  // would read as an encoded word
  for (char c : value)
    if (c < 32 || c > 126) return false;
  return true;
}

}  // namespace

std::string QuotedPrintable(std::string_view utf8) {
  std::string out;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= utf8.size(); ++i) {
    if (i < utf8.size() && utf8[i] != '\r' && utf8[i] != '\n') continue;
    EncodeLine(utf8.substr(start, i - start), out);
    if (i + 1 < utf8.size() && utf8[i] == '\r' && utf8[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return out;
}

std::string HeaderLines(std::string_view name, std::string_view utf8Value) {
  std::string out(name);
  out += ':';
  if (utf8Value.empty()) return out + '\n';
  if (FitsAsItIs(name, utf8Value)) return out.append(" ").append(utf8Value) += '\n';

  // The same word length on every line, set by the first, the shortest.
  const std::size_t room = HeaderLineLimit - (name.size() + 2) - WordStart.size() - WordEnd.size();
  const std::size_t wordBytes = room / 4 * 3;
  std::size_t at = 0;
  while (at < utf8Value.size()) {
    std::size_t end = std::min(utf8Value.size(), at + wordBytes);
    while (end < utf8Value.size() && end > at && IsContinuation(utf8Value[end])) --end;
    if (end == at) end = std::min(utf8Value.size(), at + wordBytes);  // not UTF-8: cut anyway
    if (at > 0) out += '\n';
    out.append(" ").append(WordStart).append(Base64(utf8Value.substr(at, end - at))).append(WordEnd);
    at = end;
  }
  return out + '\n';
}

}  // namespace Sendora
