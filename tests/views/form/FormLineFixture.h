#pragma once
// The form fixture with a simulated instrument line under the document's
// own executor, and a settings-file double.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/SettingsFiles.h"
#include "tests/support/GuiTest.h"
#include "tests/support/LineFixture.h"
#include "tests/views/form/FormFixture.h"

namespace TestSupport {

using namespace PardeloStravon;

constexpr int Address = 7;

// The file chooser answers with a path of the test; the empty box is counted.
class FileUiDouble : public SettingsFileUi {
 public:
  std::wstring ChooseFile(const std::wstring& base, const std::wstring& extension, Mode mode) override {
    asked.push_back(base + extension + (mode == saveMode ? L" save" : L" open"));
    return path;
  }
  void ShowEmptyMessage() override { ++empty; }
  std::wstring path;
  std::vector<std::wstring> asked;
  int empty = 0;
};

class FormLineFixture : public FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    IWFrm::SetFileUi(&files_);
    files_.path = dir_.Wide() + L"/settings.qzis";
  }

  // An instrument of the type on the line and in the network, holding
  // values read from the texts by parameter id (others at their range's
  // lower end, so that a file of them loads).
  Node& Place(const std::wstring& code, const std::map<std::wstring, std::wstring>& texts) {
    Node& node = AddNode(Address, code);
    const InstrPars pars = node.Type().Pars();
    InstrParValues values;
    for (const InstrParPure* par : pars) values.push_back(par->ParRange()->Min());
    for (std::size_t i = 0; i < pars.size(); ++i) {
      const auto text = texts.find(pars[i]->ParID());
      if (text != texts.end()) {
        EXPECT_TRUE(TextToValueFmt(*pars[i]->ParRange(), text->second, values[i], false));
      }
    }
    line_.Sim().SetInstrument(Address, pars, values);
    return node;
  }

  std::size_t Row(IWFrm* form, const std::wstring& id) {
    return FindRow(form, [&id](const InstrParPure& p) { return p.ParID() == id; });
  }
  std::wstring Status(IWFrm* form) { return form->View()->Frame()->StatusPane(0); }

  // Runs the GUI until the form's status pane shows a text, at most 10 s.
  bool AwaitStatus(IWFrm* form) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
      Settle();
      if (!Status(form).empty()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }
  // Runs the GUI for a while: long enough for a queued job to run.
  void RunFor(std::chrono::milliseconds span) {
    const auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
      Settle();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  std::wstring Shown(const Node& node, const std::wstring& id, const InstrParValues& values) {
    const InstrPars pars = node.Type().Pars();
    for (std::size_t i = 0; i < pars.size(); ++i)
      if (pars[i]->ParID() == id) return ValueToTextFmt(*pars[i]->ParRange(), values[i], Std().GetTmDhms());
    return L"?";
  }
  // Receives the instrument's settings into the form.
  void ReceiveSettings(IWFrm* form) {
    form->SetStatusText(L"");
    ASSERT_TRUE(form->OnCmdMsg(9002, 0, nullptr));
    ASSERT_TRUE(AwaitStatus(form));
    ASSERT_EQ(Status(form), DictText(CTW_RY_OK));
  }

  NetworkTest::SimulatedLine line_;
  FileUiDouble files_;
};

}  // namespace TestSupport
