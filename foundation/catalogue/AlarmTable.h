#pragma once
// The alarm texts that instrument types list. Alarm keys are unique: a
// repeated key is refused while loading. Loaded once at start-up, read-only
// afterwards.
#include <xercesc/dom/DOMDocument.hpp>

#include <string>

namespace PardeloStravon {

// Not an XMLError: a handler for the parameter tables' tags does not catch it.
struct AlError {};
struct AlBadRef : AlError {};

struct AlRec {
  std::wstring alId;
  int alText = 0;  // the token's dictionary position
};

// A repeated key throws AlBadRef at once, the alarms before it stored.
bool ReadAlarmTable(const xercesc::DOMDocument& doc);

// An unknown key throws AlBadRef; a position outside the table
// std::out_of_range.
int AlPos(const std::wstring& key);
const AlRec& AlRecAt(int pos);
const AlRec& AlRecByKey(const std::wstring& key);

}  // namespace PardeloStravon
