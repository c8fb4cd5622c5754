#pragma once
// The bytes of an XML document file and the wide text the archive works on.
// Files are UTF-8 with CR LF line ends, as the older program wrote them in
// text mode; it wrote each UTF-16 unit on its own, so a character above
// U+FFFF may stand as two three-byte halves.
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

}  // namespace PardeloStravon
