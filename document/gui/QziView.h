#pragma once
// The base of every view of the document: its own command target on the
// road of commands, the frame it builds while it is created, the start value
// handed to it by its template, and an initial update that waits until the
// document's content exists.
#include <wx/docview.h>

#include <boost/any.hpp>

#include "document/gui/CommandRoute.h"

namespace PardeloStravon {

class ChildFrm;
class QziDoc;

class QziView : public wxView {
 public:
  CommandTarget& Target() { return target_; }
  // The view's own stop on the road; a view that lets another target see
  // commands before itself puts that one first.
  virtual void RouteTargets(CommandRoute& route) const { route.push_back(&target_); }

  ChildFrm* Frame() const { return frame_; }
  // Runs OnInitialUpdate once; later calls do nothing.
  void InitialUpdate();
  bool HadInitialUpdate() const { return updated_; }

  bool OnCreate(wxDocument* doc, long flags) override;
  void OnDraw(wxDC*) override {}
  // Closing one window closes only that window; the last one closes the
  // document as File Close does.
  bool OnClose(bool deleteWindow) override;
  // Only the views set their frames' captions.
  void OnChangeFilename() override {}

 protected:
  // The window the frame shows; built once the frame exists.
  virtual wxWindow* CreateViewWindow(ChildFrm& frame) = 0;
  virtual void OnInitialUpdate() {}
  // The start value its template handed over, empty for a plain window.
  const boost::any& StartValue() const { return startValue_; }

 private:
  CommandTarget target_;
  ChildFrm* frame_ = nullptr;
  boost::any startValue_;
  bool updated_ = false;
};

}  // namespace PardeloStravon
