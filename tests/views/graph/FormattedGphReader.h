#pragma once
// The recording-file reader written the slow, plain way: a string stream per
// line and formatted input per character, with every value of the frame
// decoded. The in-place reader must give exactly what this one gives.
#include <ctime>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "views/graph/GphData.h"

namespace TestSupport {

inline PardeloStravon::GphData ReadByFormattedInput(
    const PardeloStravon::InstrPars& pars, const std::vector<PardeloStravon::InstrParOptPlt>& plt,
    std::istream& in, std::time_t from, std::time_t to) {
  using namespace PardeloStravon;
  GphData data;
  std::vector<std::size_t> columns;
  std::size_t r = 0;
  for (std::size_t p = 0; p < pars.size(); ++p) {
    if (!pars[p]->ParIsRead()) continue;
    if (plt.at(p).pltDefOpt_) {
      columns.push_back(r);
      data.labels_.push_back(plt.at(p).pltTextOpt_);
    }
    ++r;
  }
  data.series_.resize(columns.size());
  const InstrPars readable = ReadablePars(pars);
  VUC frame(FrameSize(readable));
  long last = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.find("*** no link ***") != std::string::npos) continue;
    std::istringstream ls(line);
    long t = 0;
    if (!(ls >> t)) continue;
    if (t < from || t <= last) continue;
    if (t > to) break;
    ls.ignore(19);
    char colon = 0;
    if (!(ls >> colon) || colon != ':') continue;
    if (ls.get() == std::char_traits<char>::eof()) continue;
    if (!ReadHexRow(frame, ls)) continue;
    const InstrParValues values = FromVUC(readable, frame);
    data.times_.push_back(t - from);
    for (std::size_t c = 0; c < columns.size(); ++c)
      data.series_[c].push_back(readable[columns[c]]->ParRange()->ToDouble(values[columns[c]]));
    last = t;
  }
  return data;
}

}  // namespace TestSupport
