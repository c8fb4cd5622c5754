#include "tests/views/dialogs/DialogLayout.h"

#include <gtest/gtest.h>
#include <wx/window.h>

#include <algorithm>

#include "platform/gui/CommandIds.h"
#include "views/dialogs/DialogBuilder.h"

namespace TestSupport {

void ExpectLayoutAsItems(wxWindow& window, const std::vector<PardeloStravon::InterfItem>& items) {
  const wxSize client = window.GetClientSize();
  std::vector<wxWindow*> controls;
  std::vector<wxRect> rects;
  for (std::size_t i = 1; i < items.size(); ++i) {
    const PardeloStravon::InterfItem& item = items[i];
    SCOPED_TRACE(testing::Message() << "control " << item.id_);
    wxWindow* control = window.FindWindow(Platform::ToWxId(item.id_));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->GetParent(), &window);
    const wxRect expected = PardeloStravon::DialogRectToPixels(window, item);
    EXPECT_EQ(control->GetRect(), expected);
    EXPECT_TRUE(wxRect(client).Contains(expected)) << "inside the dialog";
    controls.push_back(control);
    rects.push_back(expected);
  }
  for (std::size_t a = 0; a < rects.size(); ++a)
    for (std::size_t b = a + 1; b < rects.size(); ++b)
      if (controls[a]->IsShown() && controls[b]->IsShown()) {
        EXPECT_FALSE(rects[a].Intersects(rects[b]))
            << "controls " << items[a + 1].id_ << " and " << items[b + 1].id_ << " overlap";
      }
  // Tab order is the order of the window's children.
  std::vector<wxWindow*> order;
  for (wxWindow* child : window.GetChildren())
    if (std::find(controls.begin(), controls.end(), child) != controls.end()) order.push_back(child);
  EXPECT_EQ(order, controls) << "tab order as the items";
}

}  // namespace TestSupport
