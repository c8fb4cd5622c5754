// The plot window: what it hands its event handler and its resize flag.
#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/frame.h>

#include <vector>

#include "tests/support/GuiTest.h"
#include "views/plot/PlotView.h"

using namespace PardeloStravon;

namespace {

struct Seen {
  std::string what;
  wxPoint p;
  int value = 0;
  PlotRegion* row = nullptr;
};

class RecordingEvent : public PlotEvent {
 public:
  explicit RecordingEvent(std::vector<Seen>& seen) : seen_(seen) {}
  void OnMouseMove(unsigned, wxPoint p) override { seen_.push_back({"move", p, 0, GetRegion().get()}); }
  bool OnMouseWheel(unsigned, short delta, wxPoint p) override {
    seen_.push_back({"wheel", p, delta, GetRegion().get()});
    return true;
  }
  void OnKeyDown(unsigned key, unsigned repeat, unsigned) override {
    seen_.push_back({"key", {}, static_cast<int>(key), GetRegion().get()});
    EXPECT_EQ(repeat, 1u);
  }

 private:
  std::vector<Seen>& seen_;
};

class PlotViewTest : public testing::Test {
 protected:
  PlotViewTest() : frame_(new wxFrame(nullptr, wxID_ANY, "plot", wxDefaultPosition, wxSize(420, 340))) {
    view_ = new PlotView(frame_, wxID_ANY, wxPoint(0, 0), wxSize(400, 300));
    auto root = std::make_shared<PlotRegion>();
    root->Layout(L"<layout> <matrix nrows=\"2\"  ypos=\"1.0 0.5  0\"> </matrix> </layout>");
    view_->SetRegion(root);
    auto handler = std::make_unique<RecordingEvent>(seen_);
    handler_ = handler.get();
    view_->SetEvent(std::move(handler));
  }
  ~PlotViewTest() override { frame_->Destroy(); }

  void Mouse(wxEventType type, wxPoint p, int rotation = 0) {
    wxMouseEvent e(type);
    e.SetPosition(p);
    e.m_wheelRotation = rotation;
    e.m_wheelDelta = 120;
    e.SetEventObject(view_);
    view_->GetEventHandler()->ProcessEvent(e);
  }
  void Draw() {
    wxBitmap bitmap(400, 300, 24);
    wxMemoryDC dc(bitmap);
    view_->DrawPlot(dc, wxRect(0, 0, 400, 300));
  }

  wxFrame* frame_;
  PlotView* view_;
  std::vector<Seen> seen_;
  RecordingEvent* handler_;
};

}  // namespace

TEST_F(PlotViewTest, HandlerGetsMouseAndKeysWithTheRowUnderThePointer) {
  EXPECT_EQ(handler_->GetParent(), view_);
  EXPECT_EQ(handler_->GetRegion(), nullptr);
  EXPECT_EQ(view_->GetLeftLastPos(), wxPoint(0, 0));
  Draw();
  PlotRegion* top = view_->GetRegion()->GetChild(0).get();
  PlotRegion* bottom = view_->GetRegion()->GetChild(1).get();

  Mouse(wxEVT_MOTION, wxPoint(100, 50));
  Mouse(wxEVT_LEFT_DOWN, wxPoint(30, 40));
  Mouse(wxEVT_MOUSEWHEEL, wxPoint(100, 250), -240);
  Mouse(wxEVT_MOTION, wxPoint(500, 500));  // outside: no row
  ASSERT_EQ(seen_.size(), 3u);
  EXPECT_EQ(seen_[0].what, "move");
  EXPECT_EQ(seen_[0].p, wxPoint(100, 50));
  EXPECT_EQ(seen_[0].row, top);
  EXPECT_EQ(view_->GetLeftLastPos(), wxPoint(30, 40));
  EXPECT_EQ(seen_[1].what, "wheel");
  EXPECT_EQ(seen_[1].value, -240);
  EXPECT_EQ(seen_[1].row, bottom);
  EXPECT_EQ(seen_[2].row, nullptr);

  const struct {
    int wxKey;
    int key;
  } keys[] = {{'=', 187}, {'+', 187}, {'-', 189}, {WXK_NUMPAD_ADD, 107}, {WXK_NUMPAD_SUBTRACT, 109},
              {'0', '0'}, {'a', 'A'}};
  for (const auto& k : keys) {
    SCOPED_TRACE(k.wxKey);
    seen_.clear();
    wxKeyEvent e(wxEVT_KEY_DOWN);
    e.m_keyCode = k.wxKey;
    e.SetEventObject(view_);
    view_->GetEventHandler()->ProcessEvent(e);
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].value, k.key);
    EXPECT_EQ(seen_[0].row, nullptr);  // the last mouse event was outside
  }

  // Without a handler input goes nowhere, and nothing breaks.
  view_->ClearEvent();
  EXPECT_EQ(view_->GetEvent(), nullptr);
  seen_.clear();
  Mouse(wxEVT_MOTION, wxPoint(100, 50));
  EXPECT_TRUE(seen_.empty());
}

TEST_F(PlotViewTest, ResizeIsNeededAfterASizeChangeUntilTheNextDrawing) {
  EXPECT_TRUE(view_->IsResizeNeeded());
  Draw();
  EXPECT_FALSE(view_->IsResizeNeeded());
  view_->SetSize(wxSize(300, 200));
  wxSizeEvent e(wxSize(300, 200));
  e.SetEventObject(view_);
  view_->GetEventHandler()->ProcessEvent(e);
  EXPECT_TRUE(view_->IsResizeNeeded());
  Draw();
  EXPECT_FALSE(view_->IsResizeNeeded());
  view_->DestroyRegion();
  EXPECT_EQ(view_->GetRegion(), nullptr);
  Draw();
}
