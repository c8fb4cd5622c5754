#pragma once
// Passwords as the document files store them. Version 1 stores the text as it
// is; version 2 scrambles the low byte of each UTF-16 unit with a key byte
// that depends on the unit's position. The scrambling is its own inverse.
#include <string>

namespace PardeloStravon {

// A password format version other than 1 or 2. Not a standard exception:
// the readers name it themselves.
struct BadPassVersion {
  int version;
};

// The key byte of position i is ((i + PassKeyOffset) * PassKeyFactor) & 0xFF.
// Stored files depend on both: they never change once released.
constexpr unsigned PassKeyOffset = 5;
constexpr unsigned PassKeyFactor = 29;

std::wstring ScramblePass(const std::wstring& password, int version);
std::wstring UnscramblePass(const std::wstring& stored, int version);

// The password format of a legacy document version: 15 to 21 give 1, 22 to
// 25 give 2, any other 0.
int PassVersionOfDocVersion(int docVersion);

}  // namespace PardeloStravon
