#include "network/schedule/RecordingFiles.h"

#include <fstream>

#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/serial/IntelHex.h"

namespace PardeloStravon {

namespace {

bool Register(const std::string& separator, const wchar_t* caller, int address,
              const InstrPars& pars, const InstrParValues& values, const std::wstring& folder) {
  const VUC frame = ToVUC(pars, values);
  const std::wstring path = MasterLogPath(folder, address);
  if (AppendRecordLine(path, RecordLine(separator, frame, Now()))) return true;
  ErrorLog << TimeStamp() + L" Error in " + caller + L": the record of instrument nr. " +
                  ToWStr(address) + L" could not be written to \"" + path + L"\""
           << std::endl;
  return false;
}

}  // namespace

const std::string ReadingsSeparator = " : ";
const std::string SettingsSeparator = " ; ";

std::wstring MasterLogName(int address) {
  return MasterLogPrefix + ToWide(IntelHex::int2decPadded(address, 4)) + MasterLogSuffix;
}

std::wstring MasterLogPath(const std::wstring& folder, int address) {
  return JoinPath(folder, MasterLogName(address));
}

std::string RecordLine(const std::string& separator, const VUC& frame, std::time_t t) {
  std::string line = NarrowTimeStampAt(t) + separator;
  for (unsigned char byte : frame) line += IntelHex::int2hexPadded(byte, 2);
  return line;
}

bool AppendRecordLine(const std::wstring& path, const std::string& line) {
  std::ofstream out(NativePath(path), std::ios::binary | std::ios::app);
  if (!out) return false;
  out << line << "\r\n";
  out.close();
  return !out.fail();
}

bool RegisterReadings(int address, const InstrPars& pars, const InstrParValues& values,
                      const std::wstring& folder) {
  return Register(ReadingsSeparator, L"RegisterReadings()", address, pars, values, folder);
}

bool RegisterSettings(int address, const InstrPars& pars, const InstrParValues& values,
                      const std::wstring& folder) {
  return Register(SettingsSeparator, L"RegisterSettings()", address, pars, values, folder);
}

}  // namespace PardeloStravon
