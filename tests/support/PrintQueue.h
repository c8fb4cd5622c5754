#pragma once
// The tests' print queue: a private cupsd with a PDF printer as the default
// queue (tools/cups/private-cups.sh). A binary that prints through it starts
// one of its own at the first use and stops it when it ends, so the PDFs in
// its folder are its own whatever runs beside it; the queue the test command
// starts (CUPS_SERVER, CUPS_PDF_DIR) serves the programs tests start.
#include <chrono>
#include <filesystem>
#include <set>

namespace TestSupport {

// The folder the queue's PDFs land in; empty when no queue could be
// started (the failure is recorded in the running test). It sets
// CUPS_SERVER: call it before the toolkit first asks for printers, which
// the system's printing does once a process.
std::filesystem::path TestPrintQueuePdfDir();

using QueuedFiles = std::set<std::filesystem::path>;
// The PDFs in the queue's folder now.
QueuedFiles QueuedPdfs();
// Waits until a complete PDF that is not among before has appeared in the
// queue's folder; empty after the time limit.
std::filesystem::path WaitForNewQueuedPdf(const QueuedFiles& before,
                                          std::chrono::seconds limit = std::chrono::seconds(40));

}  // namespace TestSupport
