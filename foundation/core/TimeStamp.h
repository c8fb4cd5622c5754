#pragma once
// Time stamps that begin log records, recording-file lines and trace lines.
// Each call reads the program clock once and converts it to local time.
#include <ctime>
#include <string>

namespace PardeloStravon {

// "1178040000 19:20:00 05/01/07": seconds since 1970, local HH:MM:SS, MM/DD/YY.
std::wstring TimeStamp();
std::string NarrowTimeStamp();
// Local time of day alone, "HH:MM:SS".
std::wstring ClockStamp();

// The same texts for a given instant.
std::string NarrowTimeStampAt(std::time_t t);
std::wstring ClockStampAt(std::time_t t);

// Thread-safe local-time conversion.
std::tm LocalTime(std::time_t t);

}  // namespace PardeloStravon
