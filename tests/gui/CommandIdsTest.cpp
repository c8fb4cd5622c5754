#include <gtest/gtest.h>

#include <wx/defs.h>

#include "platform/gui/CommandIds.h"

using namespace Platform;

TEST(CommandIds, SystemIds_MapBelowTheToolkitLimitAndBack) {
  struct Case {
    int system;
    int wx;
  };
  const Case cases[] = {
      {1, wxID_OK},  {2, wxID_CANCEL}, {1001, 1001},   {32771, 10003}, {32859, 10091},
      {57600, 20256}, {57665, 20321},  {61445, 24101}, {65535, 28191}, {-1, wxID_ANY},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToWxId(c.system), c.wx) << c.system;
    EXPECT_LT(ToWxId(c.system), 0x7FFF) << c.system;
    EXPECT_EQ(FromWxId(c.wx), c.system) << c.wx;
  }
}

TEST(CommandIds, IdsOutsideTheTable_AreRefused) {
  for (int id : {0, -2, 5000, 32767, 45000, 65536}) EXPECT_THROW(ToWxId(id), UnmappedId) << id;
  for (int id : {0, int(wxID_EXIT), 9999, 30000, 0x7FFF}) EXPECT_THROW(FromWxId(id), UnmappedId) << id;
}
