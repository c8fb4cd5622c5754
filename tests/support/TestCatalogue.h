#pragma once
// The shipped catalogue plus a few instrument types made for the network's
// tests, loaded once per test process.
#include <string>

namespace TestSupport {

// Every parameter in one sub-group of one group.
extern const std::wstring OneRunType;
// A, B: readable, not settable, sub-group S1 of group G1; C: settable, not
// readable, sub-group S2 of group G2.
extern const std::wstring TurnSettableType;
// Settable parameters in two groups, then a readable one in a third.
extern const std::wstring SettableFirstType;
// Sub-groups S1, S2, S1 of one group.
extern const std::wstring ReturningSubType;
// Six parameters; readable at 0, 2 and 5, settable at 1, 3 and 5.
extern const std::wstring SparseFrameType;
// Readable parameters R1, R2, a pad P and R3, then a settable S.
extern const std::wstring PaddedType;

// Runs that open with a slave or a pad, a pad and a slave inside a run, a
// readable Delay3, a settable network address, and a group met again:
//  0 slave R  S1/G1 | 1 Delay3 R  S1/G1 | 2 pad R    S1/G1 | 3 RS    S2/G1
//  4 slave S  S2/G1 | 5 S         S2/G1 | 6 pad S    S3/G2 | 7 address S3/G2
//  8 S        S3/G2 | 9 R         S1/G1
extern const std::wstring MoreRunsType;
// 300 parameters in 30 sub-group runs of ten, the groups taking turns.
extern const std::wstring LargeType;

// Loads the dictionary and the tables, shipped and made-up, unless the
// made-up types are loaded already.
void LoadNetworkTestCatalogue();

}  // namespace TestSupport
