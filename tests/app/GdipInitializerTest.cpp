#include <gtest/gtest.h>

#include <unistd.h>

#include <wx/image.h>

#include <memory>
#include <sstream>
#include <vector>

#include "app/GdipInitializer.h"
#include "app/ProcessNames.h"

namespace {

enum class Op { Create, CreateAutoStart, Initialize, Deinitialize, Destroy, RegisterName, ReleaseName, FailStart };

struct Step {
  Op op;
  int instance;
  bool result;  // Initialize's result, else the instance's IsInitialized (ignored for the name steps)
  int starts;   // calls of the start function so far
  int stops;    // calls of the shutdown function so far
  int count;    // Initialize calls not yet matched
  bool named;   // whether the process name is registered
};

struct Sequence {
  const char* name;
  std::vector<Step> steps;
};

const Sequence Sequences[] = {
    {"not-initialised-before-any-initialize",
     {{Op::Create, 0, false, 0, 0, 0, false}, {Op::Destroy, 0, false, 0, 0, 0, false}}},
    {"one-instance-starts-shuts-down-and-starts-again",
     {{Op::Create, 0, false, 0, 0, 0, false},
      {Op::Initialize, 0, true, 1, 0, 1, true},
      {Op::Deinitialize, 0, false, 1, 1, 0, false},
      {Op::Initialize, 0, true, 2, 1, 1, true},
      {Op::Deinitialize, 0, false, 2, 2, 0, false}}},
    {"every-initialize-counts-one-shutdown-at-zero",
     {{Op::Create, 0, false, 0, 0, 0, false},
      {Op::Initialize, 0, true, 1, 0, 1, true},
      {Op::Initialize, 0, true, 1, 0, 2, true},
      {Op::Deinitialize, 0, true, 1, 0, 1, true},
      {Op::Deinitialize, 0, false, 1, 1, 0, false}}},
    {"second-instance-starts-nothing-first-shuts-down-at-zero",
     {{Op::Create, 0, false, 0, 0, 0, false},
      {Op::Create, 1, false, 0, 0, 0, false},
      {Op::Initialize, 0, true, 1, 0, 1, true},
      {Op::Initialize, 1, false, 1, 0, 2, true},
      {Op::Deinitialize, 1, false, 1, 0, 1, true},
      {Op::Deinitialize, 0, false, 1, 1, 0, false}}},
    // Only the instance that started shuts down: when another brings the
    // count to 0, the graphics stay started and the name stays held.
    {"count-reaching-zero-at-the-other-instance-shuts-nothing-down",
     {{Op::Create, 0, false, 0, 0, 0, false},
      {Op::Create, 1, false, 0, 0, 0, false},
      {Op::Initialize, 0, true, 1, 0, 1, true},
      {Op::Initialize, 1, false, 1, 0, 2, true},
      {Op::Deinitialize, 0, true, 1, 0, 1, true},
      {Op::Deinitialize, 1, false, 1, 0, 0, true},
      {Op::Initialize, 1, false, 1, 0, 1, true},
      {Op::Deinitialize, 1, false, 1, 0, 0, true}}},
    {"name-registered-beforehand",
     {{Op::RegisterName, 0, false, 0, 0, 0, true},
      {Op::Create, 0, false, 0, 0, 0, true},
      {Op::Initialize, 0, false, 0, 0, 1, true},
      {Op::Deinitialize, 0, false, 0, 0, 0, true},
      {Op::ReleaseName, 0, false, 0, 0, 0, false},
      {Op::Initialize, 0, true, 1, 0, 1, true},
      {Op::Deinitialize, 0, false, 1, 1, 0, false}}},
    {"auto-start-constructor-and-destructor",
     {{Op::CreateAutoStart, 0, true, 1, 0, 1, true}, {Op::Destroy, 0, false, 1, 1, 0, false}}},
    // A start that fails keeps the instance started (it shuts down at 0)
    // but never initialised.
    {"failed-start-is-not-initialised",
     {{Op::FailStart, 0, false, 0, 0, 0, false},
      {Op::Create, 0, false, 0, 0, 0, false},
      {Op::Initialize, 0, false, 1, 0, 1, true},
      {Op::Deinitialize, 0, false, 1, 1, 0, false}}},
};

class GdipInitializerTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = SetGdiplusFunctions({[this](std::uintptr_t* token, const GdiplusStartupInput& input) {
                                    ++starts_;
                                    EXPECT_EQ(input.GdiplusVersion, 1u);
                                    *token = 0x5EED;
                                    return startStatus_;
                                  },
                                  [this](std::uintptr_t token) {
                                    ++stops_;
                                    EXPECT_EQ(token, 0x5EEDu);
                                  }});
  }
  void TearDown() override {
    instances_.clear();
    ProcessNames::Release(GdipInitName());
    SetGdiplusFunctions(std::move(saved_));
  }

  GdiplusFunctions saved_;
  int starts_ = 0;
  int stops_ = 0;
  int startStatus_ = 0;
  std::vector<std::unique_ptr<GdipInitializer>> instances_{2};
};

TEST_F(GdipInitializerTest, Sequences_StartOncePerProcessAndShutDownAtTheLastMatch) {
  for (const Sequence& s : Sequences) {
    SCOPED_TRACE(s.name);
    starts_ = stops_ = 0;
    startStatus_ = 0;
    for (std::size_t i = 0; i < s.steps.size(); ++i) {
      const Step& step = s.steps[i];
      SCOPED_TRACE("step " + std::to_string(i));
      auto& instance = instances_[step.instance];
      bool result = false;
      switch (step.op) {
        case Op::Create:
        case Op::CreateAutoStart:
          instance = std::make_unique<GdipInitializer>(step.op == Op::CreateAutoStart);
          result = instance->IsInitialized();
          break;
        case Op::Initialize:
          result = instance->Initialize();
          EXPECT_EQ(instance->IsInitialized(), result);
          break;
        case Op::Deinitialize:
          instance->Deinitialize();
          result = instance->IsInitialized();
          break;
        case Op::Destroy:
          instance.reset();
          break;
        case Op::RegisterName:
          ASSERT_TRUE(ProcessNames::Register(GdipInitName()));
          break;
        case Op::ReleaseName:
          ProcessNames::Release(GdipInitName());
          break;
        case Op::FailStart:
          startStatus_ = 2;
          break;
      }
      EXPECT_EQ(result, step.result);
      EXPECT_EQ(starts_, step.starts);
      EXPECT_EQ(stops_, step.stops);
      EXPECT_EQ(GdipInitializer::InitializeCount(), step.count);
      EXPECT_EQ(ProcessNames::IsRegistered(GdipInitName()), step.named);
    }
    // Each sequence ends balanced, so the next starts from a fresh process state.
    instances_ = std::vector<std::unique_ptr<GdipInitializer>>(2);
    ProcessNames::Release(GdipInitName());
    ASSERT_EQ(GdipInitializer::InitializeCount(), 0);
  }
}

TEST(GdipInitName, IsTheProcessIdInLowerCaseHexadecimal) {
  std::wostringstream expected;
  expected << L"GDIPlusInitID=" << std::hex << std::nouppercase << getpid();
  EXPECT_EQ(GdipInitName(), expected.str());
}

TEST(GdipInitializerStart, AddsThePngHandlerThePlotsSaveThrough) {
  if (wxImageHandler* png = wxImage::FindHandler(wxBITMAP_TYPE_PNG)) {
    wxImage::RemoveHandler(png->GetName());
  }
  ASSERT_EQ(wxImage::FindHandler(wxBITMAP_TYPE_PNG), nullptr);
  {
    GdipInitializer gdip(true);
    EXPECT_TRUE(gdip.IsInitialized());
    EXPECT_NE(wxImage::FindHandler(wxBITMAP_TYPE_PNG), nullptr);
  }
  // Shutting down leaves the handler to the toolkit's exit.
  EXPECT_NE(wxImage::FindHandler(wxBITMAP_TYPE_PNG), nullptr);
  EXPECT_EQ(GdipInitializer::InitializeCount(), 0);
}

}  // namespace
