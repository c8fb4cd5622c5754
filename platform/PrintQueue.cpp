#include "platform/PrintQueue.h"

#include <cups/cups.h>
#include <sys/socket.h>

#include <algorithm>

namespace Platform {
namespace {

// How long a connection to the print service may take.
constexpr int ConnectLimitMs = 5000;

bool ServiceAnswers() {
  http_t* http =
      httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, ConnectLimitMs, nullptr);
  if (!http) return false;
  httpClose(http);
  return true;
}

}  // namespace

PrintQueue FindPrintQueue(const std::string& name) {
  PrintQueue queue;
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.empty() ? nullptr : name.c_str(), nullptr);
  if (!dest) {
    // The lookup says "not found" also when nobody answered.
    queue.lookup = ServiceAnswers() ? QueueLookup::none : QueueLookup::unreachable;
    return queue;
  }
  queue.lookup = QueueLookup::found;
  queue.name = dest->name;
  cupsFreeDests(1, dest);
  return queue;
}

int LastJobId(const std::string& queue) {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 1, CUPS_WHICHJOBS_ALL);
  if (count < 0) return -1;
  int last = 0;
  for (int i = 0; i < count; ++i) last = std::max(last, jobs[i].id);
  cupsFreeJobs(count, jobs);
  return last;
}

}  // namespace Platform
