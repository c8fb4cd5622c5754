#pragma once
// Font records in the legacy document: a byte vector of the record's 60
// (narrow) or 92 (wide) bytes.
#include "foundation/values/ValueTypes.h"
#include "foundation/values/VUC.h"
#include "platform/LegacyArchive.h"
#include "platform/LogFont.h"

namespace PardeloStravon {

using Platform::LegacyArchive;

VUC Struct2UVector(const LOGFONTA& lf);
VUC Struct2UVector(const LOGFONTW& lf);
// Exactly 60 or 92 bytes, or std::range_error "In UVector2Struct".
void UVector2Struct(const VUC& bytes, LOGFONTA& lf);
void UVector2Struct(const VUC& bytes, LOGFONTW& lf);

LegacyArchive& operator<<(LegacyArchive& ar, const LOGFONTA& lf);
LegacyArchive& operator<<(LegacyArchive& ar, const LOGFONTW& lf);
// The counted bytes are read first, then their number is checked.
LegacyArchive& operator>>(LegacyArchive& ar, LOGFONTA& lf);
LegacyArchive& operator>>(LegacyArchive& ar, LOGFONTW& lf);

}  // namespace PardeloStravon
