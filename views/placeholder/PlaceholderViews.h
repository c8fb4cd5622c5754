#pragma once
// Stand-ins for the five kinds of view until the real ones exist: each
// follows the document signal, sets its frame's caption and draws the name
// of its kind. The templates take the real views in their place unchanged.
#include <boost/signals2/connection.hpp>
#include <string>

#include "document/gui/QziView.h"

namespace PardeloStravon {

class PlaceholderView : public QziView {
 public:
  // The caption's token and the kind's name drawn in the window.
  virtual const std::wstring& CaptionToken() const = 0;
  virtual std::wstring KindName() const = 0;
  int SignalsSeen() const { return signals_; }

 protected:
  wxWindow* CreateViewWindow(ChildFrm& frame) override;
  void OnInitialUpdate() override;

 private:
  void Refresh();
  boost::signals2::scoped_connection connection_;
  wxWindow* window_ = nullptr;
  int signals_ = 0;
};

#define VANTOR_PLACEHOLDER(Name)                            \
  class Name : public PlaceholderView {                     \
    wxDECLARE_DYNAMIC_CLASS(Name);                          \
                                                            \
   public:                                                  \
    const std::wstring& CaptionToken() const override;      \
    std::wstring KindName() const override;                 \
  };

VANTOR_PLACEHOLDER(OptionsPlaceholder)
VANTOR_PLACEHOLDER(StatusPlaceholder)
VANTOR_PLACEHOLDER(SerialPlaceholder)
VANTOR_PLACEHOLDER(GraphPlaceholder)
VANTOR_PLACEHOLDER(ProgramPlaceholder)

#undef VANTOR_PLACEHOLDER

}  // namespace PardeloStravon
