#include "foundation/core/XmlArchiveCheck.h"

#include <gtest/gtest.h>

#include <string>

using PardeloStravon::CheckXmlArchiveIds;
using PardeloStravon::XmlArchiveDamaged;

namespace {

struct IdsCase {
  const char* what;
  std::wstring text;
  bool damaged;
};

const std::wstring Items = L"<item>1</item><item>2</item><item>3</item>";

const IdsCase Cases[] = {
    {"classes in order, one named again",
     L"<a class_id=\"0\"><b class_id=\"1\"></b><c class_id=\"1\"></c><d class_id=\"2\"></d></a>", false},
    {"a class beyond the next new one", L"<a class_id=\"0\"><b class_id=\"26\"></b></a>", true},
    {"the first class not 0", L"<a class_id=\"1\"></a>", true},
    {"a class reference to one met", L"<a class_id=\"0\"><b class_id_reference=\"0\"/></a>", false},
    {"a class reference to one not met", L"<a class_id=\"0\"><b class_id_reference=\"1\"/></a>", true},
    {"objects in order, one named again by reference",
     L"<a object_id=\"_0\"><b object_id=\"_1\"/><c object_id_reference=\"_0\"/></a>", false},
    {"a new object with an id met before", L"<a object_id=\"_0\"><b object_id=\"_0\"/></a>", true},
    {"a new object skipping an id", L"<a object_id=\"_1\"></a>", true},
    {"an object reference to one not met", L"<a object_id_reference=\"_0\"/>", true},
    {"a count the items fill", L"<v><count>3</count>" + Items + L"</v>", false},
    {"a count far beyond the text", L"<v><count>2000000000</count>" + Items + L"</v>", true},
    {"a count of more than nine digits", L"<v><count>00000000003</count>" + Items + L"</v>", true},
    {"an id of more than nine digits", L"<a class_id=\"0000000000\"></a>", true},
};

TEST(XmlArchiveCheck, RefusesIdsAndCountsBoostWouldTrustBlindly)
{
  for (const IdsCase& c : Cases) {
    bool damaged = false;
    try {
      CheckXmlArchiveIds(c.text);
    } catch (const XmlArchiveDamaged&) {
      damaged = true;
    }
    EXPECT_EQ(damaged, c.damaged) << c.what;
  }
}

}  // namespace
