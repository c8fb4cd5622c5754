#include "app/CCommandLineInfoEx.h"

#include <algorithm>
#include <cwctype>

namespace PardeloStravon {
namespace {

bool LettersOnly(const std::wstring& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return std::iswalpha(c) != 0; });
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

}  // namespace

void CCommandLineInfoEx::Parse(const std::vector<std::wstring>& arguments) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& arg = arguments[i];
    const bool last = i + 1 == arguments.size();
    const bool dash = arg.size() > 1 && arg[0] == L'-';
    const bool slash = arg.size() > 1 && arg[0] == L'/' && LettersOnly(arg.substr(1));
    if (dash || slash)
      ParseParam(arg.substr(1), true, last);
    else
      ParseParam(arg, false, last);
  }
}

void CCommandLineInfoEx::ParseParam(const std::wstring& param, bool isSwitch, bool) {
  if (isSwitch) {
    options_[param] = L"TRUE";
    lastSwitch_ = param;
  } else if (!lastSwitch_.empty()) {
    options_[lastSwitch_] = param;
    lastSwitch_.clear();
  }
  FrameworkParseParam(param, isSwitch);
}

void CCommandLineInfoEx::FrameworkParseParam(const std::wstring& param, bool isSwitch) {
  if (isSwitch) {
    // The shell's switches are named exactly; the others in any case.
    if (param == L"pt") {
      printCommand_ = FilePrintTo;
      return;
    }
    if (param == L"p") {
      printCommand_ = FilePrint;
      return;
    }
    // No OLE, DDE or registry here: these switches only keep the splash
    // away, as a start for embedding or automation would.
    const std::wstring name = Lower(param);
    if (name == L"embedding" || name == L"automation" || name == L"dde") showSplash_ = false;
    return;
  }
  if (fileName_.empty())
    fileName_ = param;
  else if (printCommand_ == FilePrintTo && printerName_.empty())
    printerName_ = param;
  else if (printCommand_ == FilePrintTo && driverName_.empty())
    driverName_ = param;
  else if (printCommand_ == FilePrintTo && portName_.empty())
    portName_ = param;
}

CCommandLineInfoEx::ShellCommand CCommandLineInfoEx::Command() const {
  if (printCommand_ != FileNew) return printCommand_;
  return fileName_.empty() ? FileNew : FileOpen;
}

bool CCommandLineInfoEx::ShowSplash() const {
  return showSplash_ && printCommand_ != FilePrint && printCommand_ != FilePrintTo;
}

bool CCommandLineInfoEx::HasOption(const std::wstring& name) const { return options_.count(name) != 0; }

std::wstring CCommandLineInfoEx::Option(const std::wstring& name) const {
  const auto it = options_.find(name);
  return it == options_.end() ? std::wstring() : it->second;
}

std::vector<std::wstring> ProgramArguments(int argc, wchar_t** argv) {
  std::vector<std::wstring> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

namespace {
std::vector<std::wstring>& Arguments() {
  static std::vector<std::wstring> arguments;
  return arguments;
}
}  // namespace

void SetApplicationArguments(std::vector<std::wstring> arguments) { Arguments() = std::move(arguments); }
const std::vector<std::wstring>& ApplicationArguments() { return Arguments(); }

}  // namespace PardeloStravon
