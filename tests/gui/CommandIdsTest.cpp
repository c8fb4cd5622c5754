#include <gtest/gtest.h>

#include <wx/defs.h>

#include <map>

#include "platform/gui/CommandIds.h"

using namespace Platform;

TEST(CommandIds, SystemIds_MapBelowTheToolkitLimitAndBack) {
  struct Case {
    int system;
    int wx;
  };
  const Case cases[] = {
      {1, wxID_OK},   {2, wxID_CANCEL}, {1001, 1001},   {9000, 6000},   {9001, 6001},   {14400, 11400},
      {18999, 15999}, {32771, 16003},   {32859, 16091}, {57600, 24448}, {57665, 24513}, {61445, 28293},
      {65535, 32383}, {-1, wxID_ANY},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToWxId(c.system), c.wx) << c.system;
    EXPECT_LT(ToWxId(c.system), 0x7FFF) << c.system;
    EXPECT_EQ(FromWxId(c.wx), c.system) << c.wx;
  }
}

// A click on a run-time control must never come back as a menu command:
// every mapped system id has a wx id of its own, above the toolkit's
// reserved ids unless it passes unchanged.
TEST(CommandIds, EveryMappedId_HasItsOwnWxIdAndComesBack) {
  std::map<int, int> systemOfWx;
  for (int system = -1; system <= 0x10000; ++system) {
    int wx = 0;
    try {
      wx = ToWxId(system);
    } catch (const UnmappedId&) {
      continue;
    }
    const auto [at, fresh] = systemOfWx.emplace(wx, system);
    EXPECT_TRUE(fresh) << system << " and " << at->second << " share wx id " << wx;
    EXPECT_EQ(FromWxId(wx), system);
    EXPECT_LT(wx, 0x7FFF) << system;
    if (system >= RunTimeIdFirst && system <= RunTimeIdLast) {
      EXPECT_GT(wx, wxID_HIGHEST) << system;
    }
  }
  EXPECT_GE(RunTimeIdLast - RunTimeIdFirst + 1, 6000) << "room for the largest form built at run time";
}

TEST(CommandIds, IdsOutsideTheTable_AreRefused) {
  for (int id : {0, -2, 5000, 8999, RunTimeIdLast + 1, 32767, 45000, 65536})
    EXPECT_THROW(ToWxId(id), UnmappedId) << id;
  for (int id : {0, int(wxID_EXIT), int(wxID_HIGHEST), 32384, 0x7FFF}) EXPECT_THROW(FromWxId(id), UnmappedId) << id;
}
