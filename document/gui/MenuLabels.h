#pragma once
// The labels a desktop shows in menus: each text carries a mnemonic (the
// letter that Alt and the letter open) and each item the shortcut that its
// resource text names after the tab.
#include <string>

namespace PardeloStravon {

// The text with a mnemonic: kept when it has one; else the letter the
// resource text marks, at the same place when the text is the resource's
// own, or where the letter first occurs; else the first letter or digit
// that `taken` (lower-case letters in use beside it) does not hold; else
// the first one.
std::wstring WithMnemonic(const std::wstring& text, const std::wstring& resourceText,
                          const std::wstring& taken = L"");

// The resource text of a command in the menus, or empty.
std::wstring ResourceMenuText(int id);
// The shortcut a resource text names after its tab, trimmed ("Ctrl+N").
std::wstring ShortcutHintOf(const std::wstring& resourceText);

// The lower-case mnemonic letter of a label, or 0.
wchar_t MnemonicOf(const std::wstring& label);

}  // namespace PardeloStravon
