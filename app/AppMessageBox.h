#pragma once
// Every message box of the application passes here, so that a start-up box
// first closes the splash and tests can answer boxes themselves.
#include <functional>
#include <string>

namespace PardeloStravon {

// Text, caption and the toolkit's style bits (buttons and icon); the
// toolkit's answer.
using MessageBoxFunction = std::function<int(const std::wstring&, const std::wstring&, long)>;

int AppMessageBox(const std::wstring& text, const std::wstring& caption, long style);
// Replaces the box (null: the toolkit's again); returns the one replaced.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction box);
// Runs before every box (the splash closes itself there).
void SetBeforeMessageBox(std::function<void()> before);

}  // namespace PardeloStravon
