#include "document/gui/MenuLabels.h"

#include <cwctype>

#include "document/gui/MenuResources.h"

namespace PardeloStravon {
namespace {

// The position of the single "&" that marks a mnemonic, or npos.
std::size_t MarkOf(const std::wstring& label) {
  for (std::size_t i = 0; i + 1 < label.size(); ++i) {
    if (label[i] != L'&') continue;
    if (label[i + 1] != L'&') return i;
    ++i;
  }
  return std::wstring::npos;
}

std::wstring WithoutMark(const std::wstring& label) {
  const std::size_t mark = MarkOf(label);
  return mark == std::wstring::npos ? label : label.substr(0, mark) + label.substr(mark + 1);
}

std::wstring Marked(const std::wstring& text, std::size_t at) { return text.substr(0, at) + L"&" + text.substr(at); }

const MenuEntry* FindEntry(const std::vector<MenuEntry>& entries, int id) {
  for (const MenuEntry& e : entries) {
    if (e.kind == MenuEntry::popup) {
      if (const MenuEntry* found = FindEntry(e.items, id)) return found;
    } else if (e.kind == MenuEntry::item && e.id == id) {
      return &e;
    }
  }
  return nullptr;
}

}  // namespace

wchar_t MnemonicOf(const std::wstring& label) {
  const std::size_t mark = MarkOf(label);
  return mark == std::wstring::npos ? 0 : static_cast<wchar_t>(std::towlower(label[mark + 1]));
}

std::wstring WithMnemonic(const std::wstring& text, const std::wstring& resourceText, const std::wstring& taken) {
  if (text.empty() || MarkOf(text) != std::wstring::npos) return text;
  const std::wstring resource = resourceText.substr(0, resourceText.find(L'\t'));
  const std::size_t mark = MarkOf(resource);
  if (mark != std::wstring::npos && WithoutMark(resource) == text) return Marked(text, mark);
  if (const wchar_t letter = MnemonicOf(resource); letter && taken.find(letter) == std::wstring::npos)
    for (std::size_t i = 0; i < text.size(); ++i)
      if (static_cast<wchar_t>(std::towlower(text[i])) == letter) return Marked(text, i);
  for (std::size_t i = 0; i < text.size(); ++i)
    if (std::iswalnum(text[i]) && taken.find(static_cast<wchar_t>(std::towlower(text[i]))) == std::wstring::npos)
      return Marked(text, i);
  for (std::size_t i = 0; i < text.size(); ++i)
    if (std::iswalnum(text[i])) return Marked(text, i);
  return text;
}

std::wstring ResourceMenuText(int id) {
  for (int menu : {IDR_MAINFRAME, IDR_OPTIONS, IDR_GRAPHIC})
    if (const MenuEntry* e = FindEntry(MenuResource(menu), id)) return e->text;
  return L"";
}

std::wstring ShortcutHintOf(const std::wstring& resourceText) {
  const std::size_t tab = resourceText.find(L'\t');
  if (tab == std::wstring::npos) return L"";
  std::wstring hint = resourceText.substr(tab + 1);
  const std::size_t first = hint.find_first_not_of(L' ');
  if (first == std::wstring::npos) return L"";
  hint.erase(0, first);
  hint.erase(hint.find_last_not_of(L' ') + 1);
  return hint;
}

}  // namespace PardeloStravon
