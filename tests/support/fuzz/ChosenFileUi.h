#pragma once
// The settings form's file windows, answered without windows: every file
// dialog chooses `path`, every empty message box is counted.
#include <string>

#include "network/nodes/SettingsFiles.h"

namespace FuzzInput {

struct ChosenFileUi : PardeloStravon::SettingsFileUi {
  std::wstring path;
  int messages = 0;
  std::wstring ChooseFile(const std::wstring&, const std::wstring&, Mode) override { return path; }
  void ShowEmptyMessage() override { ++messages; }
};

}  // namespace FuzzInput
