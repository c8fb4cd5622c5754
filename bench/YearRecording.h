#pragma once
// A year of one-minute readings of the largest shipped readings frame
// (525,600 records), a settings record every hour and a few link-loss
// lines, written once per run as the program writes them. The catalogue
// must be loaded first.
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "network/schedule/RecordingFiles.h"

namespace Bench {

using namespace PardeloStravon;

constexpr int Address = 1;
constexpr long Minutes = 365L * 24 * 60;
constexpr long Start = 1672531200;  // 1 January 2023, 00:00 UTC
constexpr long End = Start + (Minutes - 1) * 60;

inline std::wstring LargestReadingsType() {
  std::wstring best;
  unsigned most = 0;
  for (const std::wstring& code : InstrCodes()) {
    const unsigned n = FrameLength(ReadablePars(InstrByCode(code).Pars()));
    if (n > most) most = n, best = code;
  }
  return best;
}

// The year's file, written once per run.
struct YearFile {
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                  ("vantor-year-recording-bench-" + std::to_string(getpid()));
  std::wstring code;
  std::uintmax_t bytes = 0;

  YearFile() {
    code = LargestReadingsType();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const InstrPars pars = InstrByCode(code).Pars();
    const InstrPars readable = ReadablePars(pars);
    const InstrPars settable = SettablePars(pars);
    const VUC settings = ToVUC(settable, DefaultValues(settable));
    const std::wstring path = MasterLogPath(Folder(), Address);
    std::mt19937 random(2023);
    VUC frame(FrameLength(readable));
    // A day of lines per append: the lines are the program's own, the file
    // is only opened less often.
    std::string day;
    for (long m = 0; m < Minutes; ++m) {
      const long t = Start + m * 60;
      if (m % 60 == 0) day += RecordLine(SettingsSeparator, settings, t) + "\r\n";
      if (m % 100000 == 50000) day += RecordLine(" *** no link ***", {}, t) + "\r\n";
      for (unsigned char& b : frame) b = static_cast<unsigned char>(random());
      day += RecordLine(ReadingsSeparator, frame, t);
      if ((m + 1) % 1440 == 0 || m + 1 == Minutes) {
        AppendRecordLine(path, day);
        day.clear();
      } else {
        day += "\r\n";
      }
    }
    bytes = std::filesystem::file_size(folder / ToUtf8(MasterLogName(Address)));
  }
  ~YearFile() { std::filesystem::remove_all(folder); }

  std::wstring Folder() const { return FromUtf8(folder.string()); }
};

inline const YearFile& Year() {
  static const YearFile year;
  return year;
}

}  // namespace Bench
