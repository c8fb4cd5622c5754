#pragma once
// The recording file of each instrument in the document's folder: one line
// per recorded readings or settings frame, only ever appended, opened and
// closed again for every line so other programs may read it at any time.
// GUI thread only, so lines of one file never interleave.
#include <ctime>
#include <string>

#include "foundation/catalogue/Frames.h"
#include "foundation/values/VUC.h"

namespace PardeloStravon {

// "QZ_Master_Log_" + the address with at least four digits + ".txt".
std::wstring MasterLogName(int address);
std::wstring MasterLogPath(const std::wstring& folder, int address);

extern const std::string ReadingsSeparator;  // " : "
extern const std::string SettingsSeparator;  // " ; "

// The record without its line end: the time stamp of t, the separator and
// every frame byte as two upper-case hex digits.
std::string RecordLine(const std::string& separator, const VUC& frame, std::time_t t);

// Appends the line and CR LF with one open-append-close, creating the file
// when missing; whether the whole line reached the file.
bool AppendRecordLine(const std::wstring& path, const std::string& line);

// Append one readings (settings) record of the values, encoded with the
// parameter list the exchange used, to the instrument's file in the folder.
// Values that do not fit the list throw before the file is touched. A line
// that cannot be written is logged and answered false.
bool RegisterReadings(int address, const InstrPars& pars, const InstrParValues& values,
                      const std::wstring& folder);
bool RegisterSettings(int address, const InstrPars& pars, const InstrParValues& values,
                      const std::wstring& folder);

}  // namespace PardeloStravon
