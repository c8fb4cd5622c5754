#pragma once
// What both document fuzz targets share: the network tests' catalogue,
// loaded once, a shell whose message box does nothing, and fresh content
// without threads for each input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "document/QziDocF.h"
#include "document/ShellServices.h"
#include "tests/support/TestCatalogue.h"

namespace DocFuzz {

class QuietShell : public PardeloStravon::ShellServices {
 public:
  bool HasMainWindow() const override { return false; }
  void PostRunGuiTasks() override {}
  void ApplyAppStrings() override {}
  void ShowMessageBox(const std::wstring&) override {}
  void Beep(PardeloStravon::BeepKind) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void RefreshAllText() override {}
};

inline void Once() {
  static const bool done = [] {
    static QuietShell shell;
    PardeloStravon::InstallShellServices(&shell);
    TestSupport::LoadNetworkTestCatalogue();
    return true;
  }();
  (void)done;
}

// Loads the bytes into fresh content; when that succeeds, saves, loads the
// saved bytes and saves again: both saves must be the same.
template <class Bytes, class Load, class Save>
void LoadSaveLoad(const Bytes& input, Load load, Save save) {
  Once();
  PardeloStravon::ImmScoped<PardeloStravon::QziDocF> content;
  PardeloStravon::CreateContent(content, nullptr);
  try {
    load(*content, input);
  } catch (...) {
    return;  // a clean failure
  }
  const Bytes first = save(*content);
  PardeloStravon::CreateContent(content, nullptr);
  load(*content, first);
  const Bytes second = save(*content);
  if (first != second) {
    std::fprintf(stderr, "the second save differs from the first\n");
    std::abort();
  }
}

}  // namespace DocFuzz
