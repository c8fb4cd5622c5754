#pragma once
// The system's print queues as the print service (CUPS) knows them: which
// queue a print goes to, and whether a job sent there was taken. The server
// is the one CUPS_SERVER names, else the machine's own. Names are UTF-8.
#include <string>

namespace Platform {

enum class QueueLookup {
  found,
  // No default queue, or no queue of that name.
  none,
  // The print service did not answer.
  unreachable,
};

struct PrintQueue {
  QueueLookup lookup = QueueLookup::none;
  // The queue's name when found.
  std::string name;
};

// The named queue; an empty name asks for the default one.
PrintQueue FindPrintQueue(const std::string& name);

// The highest id of this user's jobs on the queue, finished ones included;
// 0 when there is none. -1 when the service did not answer.
int LastJobId(const std::string& queue);

}  // namespace Platform
