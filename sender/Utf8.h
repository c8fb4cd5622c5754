#pragma once
// UTF-8 of the command line and of the message. The sender stands alone, so
// it carries its own small conversion.
#include <string>
#include <string_view>

namespace Sendora {

// Every byte that does not belong to a well-formed UTF-8 sequence (overlong
// forms and surrogates included) becomes U+FFFD.
std::wstring DecodeUtf8(std::string_view bytes);
std::string EncodeUtf8(std::wstring_view text);

}  // namespace Sendora
