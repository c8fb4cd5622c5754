#pragma once
// A main frame whose program template makes real settings forms, a new
// document with instruments of the shipped types, and helpers to find the
// open forms and their controls.
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "network/nodes/Node.h"
#include "tests/document/gui/FrameworkFixture.h"
#include "views/form/IWFrm.h"
#include "views/form/PrgView.h"

namespace TestSupport {

// A form that counts its end, to show who owns it and when it goes.
class CountedForm : public PardeloStravon::IWFrm {
 public:
  CountedForm(PardeloStravon::QziDoc* doc, int address, int& freed) : IWFrm(doc, address), freed_(freed) {}
  ~CountedForm() override { ++freed_; }

 private:
  int& freed_;
};

// Records each opening and opens the form as the program does.
class FormViews : public ViewsDouble {
 public:
  void OpenSettingsForm(PardeloStravon::QziDoc* doc, int address) override;
};

class FormFixture : public FrameworkFixture {
 protected:
  // The shipped types and the network tests' made-up ones.
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  PardeloStravon::QziDocIStd& Std();
  PardeloStravon::InstrNet& Net();
  PardeloStravon::Node& AddNode(int address, const std::wstring& code);
  // Opens a form of the address as the program command does; the newest form.
  PardeloStravon::IWFrm* Open(int address);
  // Every open form of the document, oldest first.
  std::vector<PardeloStravon::IWFrm*> Forms() const;
  // Runs the GUI tasks and the deferred closes.
  void Settle();

  wxWindow* Control(PardeloStravon::IWFrm* form, int systemId) const;
  wxTextCtrl* Edit(PardeloStravon::IWFrm* form, std::size_t row) const;
  wxCheckBox* Box(PardeloStravon::IWFrm* form, std::size_t row) const;
  // The row of the first parameter of the type whose flags match.
  static std::size_t FindRow(const PardeloStravon::IWFrm* form, const std::function<bool(const PardeloStravon::InstrParPure&)>& pick);

  PardeloStravon::QziDoc* doc_ = nullptr;
  FormViews formViews_;
};

}  // namespace TestSupport
