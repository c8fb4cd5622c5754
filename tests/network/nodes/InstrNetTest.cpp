#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNet.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

// Fails unless the call throws std::invalid_argument with exactly that text.
template <class F>
void ExpectInvalid(F f, const std::string& text) {
  try {
    f();
    ADD_FAILURE() << "no exception, expected " << text;
  } catch (const std::invalid_argument& e) {
    EXPECT_EQ(e.what(), text);
  }
}

struct InstrNetTest : ::testing::Test {
  InstrNet net;

  void SetUp() override { LoadNetworkTestCatalogue(); }

  Node Named(const std::wstring& code, const std::wstring& name) {
    Node n(code);
    n.Opt().nm_ = name;
    return n;
  }
  // Addresses in walk order.
  std::vector<int> Walk() {
    std::vector<int> a;
    for (InstrNet::Handle h = net.Begin(); h != net.End(); h = net.Next(h)) a.push_back(h->first);
    return a;
  }
};

TEST_F(InstrNetTest, InsertNew_RefusesAddressZeroAndPresentAddresses) {
  ExpectInvalid([&] { net.InsertNew(0, Node(OneRunType)); }, "Null address in MAP::InsertNew");
  net.InsertNew(5, Named(OneRunType, L"first"));
  ExpectInvalid([&] { net.InsertNew(0, Node(OneRunType)); }, "Null address in MAP::InsertNew");
  ExpectInvalid([&] { net.InsertNew(5, Named(PaddedType, L"second")); },
                "Already present address in MAP::InsertNew");
  EXPECT_EQ(net.GetPresent(5).Opt().nm_.get(), L"first");
  EXPECT_EQ(net.GetPresent(5).Type().Code(), OneRunType);
  EXPECT_EQ(net.Size(), 1u);
}

TEST_F(InstrNetTest, InsertNew_StoresACopy) {
  Node n = Named(OneRunType, L"kept");
  net.InsertNew(3, n);
  n.Opt().nm_ = L"changed later";
  EXPECT_EQ(net.GetPresent(3).Opt().nm_.get(), L"kept");
}

TEST_F(InstrNetTest, AbsentAddresses_FailWithTheirOperation) {
  net.InsertNew(2, Node(OneRunType));
  ExpectInvalid([&] { net.GetPresent(9); }, "Not present address in MAP::GetPresent");
  ExpectInvalid([&] { net.ErasePresent(9); }, "Not present address in MAP::ErasePresent");
  EXPECT_FALSE(net.EraseIfPresent(9));
  EXPECT_TRUE(net.EraseIfPresent(2));
  EXPECT_FALSE(net.IsPresent(2));
  EXPECT_EQ(net.Size(), 0u);
}

TEST_F(InstrNetTest, CountActive_CountsNodesTakingPart) {
  net.InsertNew(1, Node(OneRunType));
  Node off(OneRunType);
  off.Opt().act_ = false;
  net.InsertNew(2, off);
  net.InsertNew(3, Node(PaddedType));
  EXPECT_EQ(net.Size(), 3u);
  EXPECT_EQ(net.CountActive(), 2);
}

TEST_F(InstrNetTest, Walk_GoesInAddressOrder_NextOfEndWrapsToBegin) {
  EXPECT_TRUE(net.Begin() == net.End());
  EXPECT_TRUE(net.Next(net.End()) == net.End());
  for (int a : {40, 7, 12}) net.InsertNew(a, Node(OneRunType));
  EXPECT_EQ(Walk(), (std::vector<int>{7, 12, 40}));
  EXPECT_TRUE(net.Next(net.End()) == net.Begin());
  InstrNet::Handle last = net.Next(net.Next(net.Begin()));
  EXPECT_EQ(last->first, 40);
  EXPECT_TRUE(net.Next(last) == net.End());
}

TEST_F(InstrNetTest, Next_OfAHandleWhoseNodeWasErased_IsEnd) {
  for (int a : {1, 2, 3}) net.InsertNew(a, Node(OneRunType));
  const InstrNet::Handle middle = net.Next(net.Begin());
  net.ErasePresent(2);
  EXPECT_TRUE(net.Next(middle) == net.End());
}

TEST_F(InstrNetTest, Handles_ChangeNodesInPlace) {
  net.InsertNew(4, Node(OneRunType));
  net.Begin()->second.Opt().nm_ = L"via handle";
  EXPECT_EQ(net.GetPresent(4).Opt().nm_.get(), L"via handle");
}

TEST_F(InstrNetTest, Paging_StopsAtBothEnds) {
  for (int a : {3, 8, 20}) net.InsertNew(a, Node(OneRunType));
  EXPECT_EQ(FirstAddress(net), 3);
  EXPECT_EQ(LastAddress(net), 20);
  EXPECT_EQ(PrevAddress(net, 3), 3);
  EXPECT_EQ(PrevAddress(net, 8), 3);
  EXPECT_EQ(PrevAddress(net, 20), 8);
  EXPECT_EQ(PrevAddress(net, 11), 20);  // absent: the last one
  EXPECT_EQ(NextAddress(net, 3), 8);
  EXPECT_EQ(NextAddress(net, 20), 20);
  EXPECT_EQ(GetPresent(net, 8)->first, 8);
  ExpectInvalid([&] { NextAddress(net, 11); }, "Not present address in QZ::GetPresent");
}

TEST_F(InstrNetTest, Paging_OfAnEmptyNetwork_GivesNoAddress) {
  EXPECT_EQ(FirstAddress(net), 0);
  EXPECT_EQ(LastAddress(net), 0);
  EXPECT_EQ(PrevAddress(net, 5), 0);
  ExpectInvalid([&] { NextAddress(net, 5); }, "Not present address in QZ::GetPresent");
}

// Node 1 names the source in cpyAdvFrm_; node 2 is of the same type as node
// 1, node 3 of another type.
struct CopyCase {
  const char* what;
  int source;
  bool copied;
  int cpyAdvFrmAfter;
};

class CopyAdvanced : public InstrNetTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyAdvanced, CopiesFromASourceOfTheSameTypeOrForgetsTheSource) {
  const CopyCase& c = GetParam();
  Node target(OneRunType);
  target.Opt().cpyAdvFrm_ = c.source;
  target.OptSt()[0].stTextOpt_ = L"own label";
  net.InsertNew(1, target);
  Node same(OneRunType);
  same.OptSt()[0].stTextOpt_ = L"source label";
  same.OptPlt()[1].pltDefOpt_ = !same.OptPlt()[1].pltDefOpt_;
  same.OptFrm()[2].frmFreeOpt_ = true;
  same.OptFrmSub()[0].frmTextOptSub_ = L"source heading";
  same.OptFrmGrp()[0].frmGrpNewCol_ = true;
  net.InsertNew(2, same);
  net.InsertNew(3, Node(PaddedType));

  CopyAdvancedOptions(net, 1);
  const Node& n = net.GetPresent(1);
  EXPECT_EQ(n.Opt().cpyAdvFrm_, c.cpyAdvFrmAfter);
  if (c.copied) {
    EXPECT_EQ(n.OptSt()[0].stTextOpt_, L"source label");
    EXPECT_EQ(n.OptPlt()[1].pltDefOpt_, same.OptPlt()[1].pltDefOpt_);
    EXPECT_TRUE(n.OptFrm()[2].frmFreeOpt_);
    EXPECT_EQ(n.OptFrmSub()[0].frmTextOptSub_, L"source heading");
    EXPECT_TRUE(n.OptFrmGrp()[0].frmGrpNewCol_);
  } else {
    EXPECT_EQ(n.OptSt()[0].stTextOpt_, L"own label");
    EXPECT_FALSE(n.OptFrm()[2].frmFreeOpt_);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, CopyAdvanced,
                         ::testing::Values(CopyCase{"none", 0, false, 0},
                                           CopyCase{"same type", 2, true, 2},
                                           CopyCase{"itself", 1, false, 1},
                                           CopyCase{"other type", 3, false, 0},
                                           CopyCase{"absent", 9, false, 0}),
                         [](const auto& info) {
                           std::string n = info.param.what;
                           for (char& ch : n)
                             if (ch == ' ') ch = '_';
                           return n;
                         });

TEST_F(InstrNetTest, CopyAdvancedOptionsAll_AppliesEveryNode_AbsentAddressThrows) {
  Node a(OneRunType);
  a.Opt().cpyAdvFrm_ = 3;  // another type: forgotten
  net.InsertNew(1, a);
  Node b(OneRunType);
  b.Opt().cpyAdvFrm_ = 7;  // absent: forgotten
  net.InsertNew(2, b);
  net.InsertNew(3, Node(PaddedType));
  CopyAdvancedOptionsAll(net);
  EXPECT_EQ(net.GetPresent(1).Opt().cpyAdvFrm_, 0);
  EXPECT_EQ(net.GetPresent(2).Opt().cpyAdvFrm_, 0);
  ExpectInvalid([&] { CopyAdvancedOptions(net, 4); }, "Not present address in MAP::GetPresent");
}

}  // namespace
