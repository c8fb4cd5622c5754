#include "tests/sender/MailDecoding.h"

#include <gtest/gtest.h>

#include <regex>

namespace MailDecoding {

std::vector<std::string> SplitEnded(const std::string& text, char end) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == end) {
      pieces.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  EXPECT_EQ(start, text.size()) << "the last piece is not ended";
  return pieces;
}

std::vector<std::string> SplitLines(const std::string& text) { return SplitEnded(text, '\n'); }

Message Parse(const std::string& raw) {
  Message m;
  m.crlf = raw.find('\r') != std::string::npos;
  const auto split = raw.find("\n\n");
  if (split == std::string::npos) {
    ADD_FAILURE() << "no empty line after the headers";
    return m;
  }
  m.headerLines = SplitLines(raw.substr(0, split + 1));
  m.body = raw.substr(split + 2);
  m.bodyLines = SplitLines(m.body);
  for (const std::string& line : m.headerLines) {
    if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
      if (m.headers.empty()) {
        ADD_FAILURE() << "continuation before any header";
        continue;
      }
      m.headers.back().second += line;
      continue;
    }
    const auto colon = line.find(':');
    if (colon == std::string::npos) {
      ADD_FAILURE() << "header line without a name: " << line;
      continue;
    }
    std::string value = line.substr(colon + 1);
    if (!value.empty() && value[0] == ' ') value.erase(0, 1);
    m.headers.emplace_back(line.substr(0, colon), value);
  }
  return m;
}

namespace {

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Base64Decode(const std::string& in) {
  static const std::string digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  unsigned value = 0;
  int bits = 0;
  for (char c : in) {
    if (c == '=') break;
    const auto d = digits.find(c);
    if (d == std::string::npos) {
      ADD_FAILURE() << "not base64: " << in;
      return out;
    }
    value = value << 6 | static_cast<unsigned>(d);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out.push_back(static_cast<char>(value >> bits & 0xFF));
    }
  }
  return out;
}

}  // namespace

std::string DecodeQuotedPrintable(const std::string& body) {
  std::string out;
  for (const std::string& line : SplitLines(body)) {
    const bool soft = !line.empty() && line.back() == '=';
    const std::string content = soft ? line.substr(0, line.size() - 1) : line;
    for (std::size_t i = 0; i < content.size(); ++i) {
      if (content[i] != '=') {
        out.push_back(content[i]);
        continue;
      }
      const int hi = i + 2 < content.size() ? Hex(content[i + 1]) : -1;
      const int lo = i + 2 < content.size() ? Hex(content[i + 2]) : -1;
      if (hi < 0 || lo < 0) {
        ADD_FAILURE() << "broken escape in: " << line;
        break;
      }
      out.push_back(static_cast<char>(hi << 4 | lo));
      i += 2;
    }
    if (!soft) out.push_back('\n');
  }
  if (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::string DecodeHeaderValue(const std::string& value) {
  static const std::regex word(R"(=\?UTF-8\?B\?([A-Za-z0-9+/=]*)\?=)");
  if (value.find("=?") == std::string::npos) return value;
  std::string out;
  std::size_t at = 0;
  for (std::sregex_iterator it(value.begin(), value.end(), word), end; it != end; ++it) {
    const std::string between = value.substr(at, it->position() - at);
    if (between.find_first_not_of(" \t") != std::string::npos) ADD_FAILURE() << "text between encoded words";
    const std::string piece = Base64Decode((*it)[1]);
    EXPECT_TRUE(IsUtf8(piece)) << "an encoded word holds part of a character";
    out += piece;
    at = it->position() + it->length();
  }
  if (at != value.size()) ADD_FAILURE() << "text after the encoded words: " << value.substr(at);
  return out;
}

bool IsPrintableAscii(const std::string& line) {
  for (char c : line)
    if (c < 32 || c > 126) return false;
  return true;
}

bool IsUtf8(const std::string& bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > bytes.size()) return false;
    for (int k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

}  // namespace MailDecoding
