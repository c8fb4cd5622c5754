#pragma once
// The program's command line: every switch can be asked for afterwards,
// with the plain argument that follows it as its value; the framework's
// part knows the document to open, whether to print it ("p", or "pt" with a
// printer) and whether a splash may show.
#include <map>
#include <string>
#include <vector>

namespace PardeloStravon {

class CCommandLineInfoEx {
 public:
  // What the framework does with the command line.
  enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo };

  CCommandLineInfoEx() = default;
  virtual ~CCommandLineInfoEx() = default;

  // The arguments after the program's name, in order. "-x" is a switch;
  // "/x" only when x is letters alone, so that a path stays a path.
  void Parse(const std::vector<std::wstring>& arguments);
  // One argument, its switch sign already removed.
  virtual void ParseParam(const std::wstring& param, bool isSwitch, bool isLast);

  // Whether the switch was given, its name compared exactly.
  bool HasOption(const std::wstring& name) const;
  // Its value: "TRUE", or the plain argument that followed it.
  std::wstring Option(const std::wstring& name) const;

  // The framework's part.
  const std::wstring& FileName() const { return fileName_; }
  ShellCommand Command() const;
  // "pt DOCUMENT PRINTER [DRIVER PORT]": the printer; driver and port are
  // kept and not used.
  const std::wstring& PrinterName() const { return printerName_; }
  const std::wstring& DriverName() const { return driverName_; }
  const std::wstring& PortName() const { return portName_; }
  // A print run shows no splash either.
  bool ShowSplash() const;

  std::map<std::wstring, std::wstring> options_;
  std::wstring lastSwitch_;

 private:
  void FrameworkParseParam(const std::wstring& param, bool isSwitch);
  std::wstring fileName_;
  std::wstring printerName_, driverName_, portName_;
  ShellCommand printCommand_ = FileNew;
  bool showSplash_ = true;
};

// The process's own arguments after the program's name.
std::vector<std::wstring> ProgramArguments(int argc, wchar_t** argv);

// The application's command line, as start-up and the splash read it; set
// once when the application starts (tests set their own).
void SetApplicationArguments(std::vector<std::wstring> arguments);
const std::vector<std::wstring>& ApplicationArguments();

}  // namespace PardeloStravon
