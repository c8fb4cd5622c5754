#include "network/serial/LineExchange.h"

#include <algorithm>
#include <chrono>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "network/serial/LineTimings.h"
#include "network/serial/Parity.h"

namespace SerComm {

using IntelHex::Record;
using PardeloStravon::ActivityLog;
using PardeloStravon::ErrorLog;
using PardeloStravon::ToWide;
using PardeloStravon::ToWStr;

namespace {

// Length of a record with 16 data bytes, after its colon.
constexpr std::size_t LongestAnswer = 42;

enum class Outcome { answered, silent, writeFailed, readFailed };

// Sends the text with parity, waits for the colon and reads up to
// `answerLength` characters after it; the answer text has its parity
// checked. The monitor always speaks first, so whatever waits in the input
// before the request goes out (a late answer to an earlier request, perhaps
// of another instrument) cannot be its answer: it is discarded.
Outcome SendAndRead(CommSetWithHandle& port, const std::string& text, std::size_t answerLength,
                    const SerialLogSink* sink, std::string& answer) {
  port.Purge(sink);
  const PortHandle h = port.Handle();
  const std::string wire = AddParity(text);
  std::size_t count = 0;
  if (!Platform::WriteSerial(h, reinterpret_cast<const unsigned char*>(wire.data()), wire.size(),
                             count))
    return Outcome::writeFailed;
  WriteToSink(sink, atProgress, L"sent, now waiting for \":\" ... ");
  if (WaitForColon(h, sink) != ':') {
    WriteToSink(sink, atReply, L" not received\n");
    ActivityLog << L".";
    return Outcome::silent;
  }
  WriteToSink(sink, atReply, L"received ok ... ");
  unsigned char buffer[LongestAnswer];
  if (!Platform::ReadSerial(h, buffer, std::min(answerLength, LongestAnswer), count))
    return Outcome::readFailed;
  answer = ":" + CheckParity(std::string(reinterpret_cast<const char*>(buffer), count));
  return Outcome::answered;
}

void ReportAborted(const SerialLogSink* sink, const std::wstring& text) {
  WriteToSink(sink, atError, text);
  ActivityLog << text;
}

}  // namespace

PortGuard::PortGuard(CommSet& port, const SerialLogSink* sink) : port_(port), sink_(sink) {
  port_.Open(sink_);
}

PortGuard::~PortGuard() {
  try {
    port_.Close(sink_);
  } catch (const std::exception& e) {
    ErrorLog << L"Error in PortGuard::~PortGuard(): " << ToWide(e.what()) << L"\n";
  } catch (...) {
    ErrorLog << L"Error in PortGuard::~PortGuard(): unspecified\n";
  }
}

char WaitForColon(PortHandle h, const SerialLogSink* sink) {
  typedef std::chrono::steady_clock Steady;
  // Counted on the monotonic clock so that a change of the system time can
  // neither stretch nor cut the wait.
  const auto deadline =
      Steady::now() + std::chrono::milliseconds(CurrentLineTimings().colonDeadline);
  int lateReads = 0;
  char last = 0;
  for (;;) {
    if (Steady::now() > deadline) {
      if (lateReads >= 3) return last;
      ++lateReads;
    }
    unsigned char c = 0;
    std::size_t got = 0;
    if (!Platform::ReadSerial(h, &c, 1, got) || got == 0) {
      WriteToSink(sink, atProgress, L".");
      return 0;
    }
    last = static_cast<char>(c);
    WriteToSink(sink, atProgress, ToWide(std::string(1, last)));
    if (last == ':') return last;
  }
}

Record HexSendGet(CommSetWithHandle& port, const Record& record, int attempts,
                  const SerialLogSink* sink) {
  try {
    const std::wstring text = ToWide(record.Text());
    for (int i = 1; i <= attempts; ++i) {
      WriteToSink(sink, atProgress, L" " + text + L" to be sent by PC ... ");
      const PortHandle h = port.Handle();
      Platform::SerialState state;
      if (!Platform::GetSerialState(h, state)) {
        WriteToSink(sink, atError,
                    L"impossible to get the communication status before sending! Error nr " +
                        ToWStr(Platform::SerialLastError()) + L". Trasmission aborted!\n");
        return Record();
      }
      WriteToSink(sink, atProgress, L"communication status get ok ... ");
      std::string answer;
      const Outcome outcome = SendAndRead(port, record.Text(), LongestAnswer, sink, answer);
      if (outcome == Outcome::silent) continue;
      if (outcome == Outcome::writeFailed) {
        ReportAborted(sink, L"Error writing on serial port. Aborting ...\n");
        return Record();
      }
      if (outcome == Outcome::readFailed) {
        ReportAborted(sink, L"Error reading on serial port. Aborting ...\n");
        return Record();
      }
      WriteToSink(sink, atProgress, ToWide(answer) + L" ack ok!\n");
      return IntelHex::ParseRecord(answer);
    }
    return Record();
  } catch (...) {
    WriteToSink(sink, atError, L"Exception occurred during HexSendGet()\n");
    return Record();
  }
}

bool SendWithAck(CommSetWithHandle& port, const Record& record, int attempts,
                 const SerialLogSink* sink) {
  const std::string text = record.Text();
  const std::wstring wideText = ToWide(text);
  // Exactly the length of the record's own text after its colon.
  const std::size_t echoLength = 2 * std::clamp(record.Count(), 0, IntelHex::MaxDataBytes) + 10;
  for (int i = 1; i <= attempts; ++i) {
    WriteToSink(sink, atProgress, L" " + wideText + L" to be sent by PC ... ");
    std::string answer;
    const Outcome outcome = SendAndRead(port, text, echoLength, sink, answer);
    if (outcome == Outcome::silent) continue;
    // These two texts begin with a blank, unlike the same failures of
    // HexSendGet; logs are searched for both forms.
    if (outcome == Outcome::writeFailed) {
      ReportAborted(sink, L" Error writing on serial port. Aborting ...\n");
      return false;
    }
    if (outcome == Outcome::readFailed) {
      ReportAborted(sink, L" Error reading on serial port. Aborting ...\n");
      return false;
    }
    if (answer != text) {
      const std::wstring failed = L" " + wideText + L" wanted by PC " + ToWide(answer) +
                                  L" received by micro. Operation failed: retry nr. " + ToWStr(i) +
                                  L"\n";
      WriteToSink(sink, atError, failed);
      ErrorLog << failed;
      continue;
    }
    WriteToSink(sink, atProgress, ToWide(answer) + L" ack ok!\n");
    return true;
  }
  return false;
}

}  // namespace SerComm
