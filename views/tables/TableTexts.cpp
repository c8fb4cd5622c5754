#include "views/tables/TableTexts.h"

#include <cmath>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Duration.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeFormat.h"
#include "network/nodes/InstrNet.h"

namespace PardeloStravon {

std::wstring OnOffText(bool on) { return DictText(on ? CTW_on : CTW_off); }

std::wstring IntervalText(long seconds, bool dhms) { return dhms ? DurationToText(seconds) : ToWStr(seconds); }

std::wstring DaysText(long seconds) { return ToWStr(std::floor(seconds * 1000.0 / 86400.0 + 0.5) / 1000.0); }

std::wstring DueText(std::time_t t, const std::wstring& format) { return FormatLocalTime(t, format, true); }

std::wstring SignalStatusText(const InstrNet& net, int address, DocSignal signal, SignalTokenTable tokens) {
  std::wstring text;
  if (address != 0) {
    text = ToWStr(address);
    if (signal != dsRemoveInstr) text += L" - " + static_cast<std::wstring>(net.GetPresent(address).Opt().nm_);
    text += L": ";
  }
  if (const std::wstring* token = tokens(signal)) text += DictText(*token);
  return text;
}

}  // namespace PardeloStravon
