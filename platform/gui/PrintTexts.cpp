#include "platform/gui/PrintTexts.h"

namespace Platform {
namespace {

// Built on first use: a source may be handed in while the program's
// static objects are built.
std::function<std::wstring()>& NoPrinterSource() {
  static std::function<std::wstring()> source;
  return source;
}

}  // namespace

void SetNoPrinterText(std::function<std::wstring()> source) { NoPrinterSource() = std::move(source); }

// Without a source the text's token stands: a message still shows, and
// names what is missing.
std::wstring NoPrinterText() { return NoPrinterSource() ? NoPrinterSource()() : std::wstring(L"CTW_PR_No_Printer"); }

}  // namespace Platform
