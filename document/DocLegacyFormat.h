#pragma once
// The legacy binary document as bytes in memory: version 25 written, 15 to
// 25 read (later versions as 25). The file steps are thin wrappers
// (QziDocIHlp).
#include <cstdint>
#include <string>
#include <vector>

namespace PardeloStravon {

class QziDocF;

std::vector<std::uint8_t> SaveDocLegacy(QziDocF& f);

struct LegacyLoad {
  int version = 0;  // as read, capped at 25; 0 for an empty file
  // Values the file held that could not be taken, each replaced by its
  // default: one text per value, naming the field.
  std::vector<std::string> replaced;
};

// Reads into the content in place and, unless the file was empty, turns the
// stored password into clear text. Throws on any failure, after putting the
// dictionary back on the language it had before the read.
LegacyLoad LoadDocLegacyBytes(QziDocF& f, std::vector<std::uint8_t> bytes);

}  // namespace PardeloStravon
