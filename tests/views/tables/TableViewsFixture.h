#pragma once
// A running document under the real frames with the status, options and
// serial views in place of the placeholders, and a few instruments.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "document/QziDocIMFC.h"
#include "document/QziDocIStd.h"
#include "document/gui/QziDoc.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "tests/document/gui/FrameworkFixture.h"

namespace TestSupport {

// What the paints of a view drew since the log was cleared.
struct PaintLog {
  int paints = 0;
  int fullPaints = 0;
  std::set<int> rows;  // addresses (status), ring rows (serial)
  void Clear() { *this = PaintLog(); }
};

class TableViewsFixture : public FrameworkFixture {
 protected:
  PardeloStravon::TheAppIMFC::ViewClasses ViewClasses() const override;
  void SetUp() override;
  void TearDown() override;

  PardeloStravon::QziDocIStd& Std() { return doc_->Std(); }
  PardeloStravon::InstrNet& Net() { return Std().NetOpt().Network(); }
  PardeloStravon::QziDocIMFC& Fonts() { return *doc_->GetF()->GetIMFC(); }
  // Adds an instrument of the first type with a name, active or not.
  PardeloStravon::Node& Add(int address, const std::wstring& name, bool active = true);
  // Opens a view through its command and returns it (the active one).
  template <class View>
  View* Open(int command);
  // The view of the document of that class opened last.
  template <class View>
  View* Find() const;

  // Lets the display deliver every pending paint of the window; with a
  // paint counter, until it stays still for a while (a loaded machine
  // delivers late).
  static void Settle(wxWindow* window, const int* paints = nullptr);
  // The pane 0 text of the view's frame.
  static std::wstring Pane(wxView* view);

  PardeloStravon::QziDoc* doc_ = nullptr;
};

template <class View>
View* TableViewsFixture::Find() const {
  View* found = nullptr;
  for (wxView* v : doc_->GetViewsVector())
    if (auto* view = dynamic_cast<View*>(v)) found = view;
  return found;
}

}  // namespace TestSupport
