#include <gtest/gtest.h>

#include "foundation/core/ImmPtr.h"
#include "foundation/core/LogChannel.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using TestSupport::LogCapture;

namespace {

struct Counted {
  static int alive;
  int v;
  explicit Counted(int x) : v(x) {
    if (x < 0) throw std::invalid_argument("negative");
    ++alive;
  }
  ~Counted() { --alive; }
};
int Counted::alive = 0;

}  // namespace

TEST(ImmScoped, EmptyHolder_GetIsNullButDereferenceAsserts) {
  LogCapture log(ErrorLog);
  ImmScoped<Counted> p;
  EXPECT_EQ(p.get(), nullptr);
  EXPECT_TRUE(log.Text().empty());
  EXPECT_THROW(p->v, std::exception);
  EXPECT_NE(log.Text().find(L"Derefering null pointer!"), std::wstring::npos);
  EXPECT_THROW(*p, std::exception);
}

TEST(ImmScoped, Reset_DeletesTheOldObjectButRefusesTheSamePointer) {
  LogCapture log(ErrorLog);
  {
    ImmScoped<Counted> p(new Counted(1));
    p.reset(nullptr);
    EXPECT_EQ(Counted::alive, 0);
    p.reset(nullptr);  // nothing to do on an empty holder
    EXPECT_TRUE(log.Text().empty());

    Counted* c = new Counted(2);
    p.reset(c);
    EXPECT_THROW(p.reset(c), std::exception);
    EXPECT_NE(log.Text().find(L"Self resetting not null pointer!"), std::wstring::npos);
    EXPECT_EQ(p.get(), c);
    EXPECT_EQ(Counted::alive, 1);

    p.reset(new Counted(3));
    EXPECT_EQ(Counted::alive, 1);
    EXPECT_EQ(p->v, 3);
  }
  EXPECT_EQ(Counted::alive, 0);
}

TEST(ImmScoped, BuiltFromAnArgument_ReleasesNothingWhenTheConstructorThrows) {
  ImmScoped<Counted> ok(5);
  EXPECT_EQ(ok->v, 5);
  EXPECT_THROW(ImmScoped<Counted>(-1), std::invalid_argument);
  EXPECT_EQ(Counted::alive, 1);
}
