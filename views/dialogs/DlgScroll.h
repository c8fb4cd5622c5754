#pragma once
// A dialog smaller than its content. The toolkit gives a top-level window no
// scroll bars, so the controls stand on a content window that fills the
// dialog and carries the bars; scrolling moves that window's children.
#include <wx/dialog.h>

#include <vector>

#include "platform/gui/ControlsHost.h"
#include "views/dialogs/InterfItem.h"
#include "views/dialogs/ScrollModel.h"

class wxMouseEvent;
class wxScrollWinEvent;
class wxSizeEvent;
class wxInitDialogEvent;

namespace PardeloStravon {
namespace Scroll {

class DlgScroll : public wxDialog {
 public:
  // Item 0 gives caption, frame, size and font; the others become the
  // controls on the content window. Throws what the builder throws.
  DlgScroll(wxWindow* parent, const std::vector<InterfItem>& items);
  ~DlgScroll() override;

  // The content's full size in pixels; the next resize sets the bars.
  void SetFullSize(int cx, int cy);

  wxWindow& Content() { return *content_; }
  const ScrollModel& Model() const { return model_; }

  // One bar event or wheel message as the toolkit delivers them.
  void OnVScroll(ScrollCode code, int pos);
  void OnHScroll(ScrollCode code, int pos);
  // False when there was nothing to scroll.
  bool OnMouseWheel(int delta, int linesPerNotch);

 protected:
  // Runs when the dialog is shown: the content is taken to be as large as
  // the window until SetFullSize says otherwise, and scrolled to its origin.
  virtual void OnInitDialog();

 private:
  void OnInitDialogEvent(wxInitDialogEvent& event);
  void OnDialogSize(wxSizeEvent& event);
  void OnContentSize(wxSizeEvent& event);
  void OnScrollWin(wxScrollWinEvent& event);
  void OnWheel(wxMouseEvent& event);

  void Move(const ContentMove& move);
  void ShowBars();

  Platform::ControlsHost* content_ = nullptr;
  ScrollModel model_;
};

}  // namespace Scroll
}  // namespace PardeloStravon
