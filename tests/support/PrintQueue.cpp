#include "tests/support/PrintQueue.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <thread>

#include "tests/support/PdfReadback.h"

namespace TestSupport {
namespace {

// A queue this process started; stopped at its end.
struct OwnQueue {
  std::filesystem::path dir;
  ~OwnQueue() {
    if (dir.empty()) return;
    ShellOutput("bash '" VANTOR_SOURCE_DIR "/tools/cups/private-cups.sh' stop '" + dir.string() + "' 2>&1");
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};

std::filesystem::path StartOwnQueue() {
  static OwnQueue own;
  char pattern[] = "/tmp/vantor-cups.XXXXXX";
  if (!mkdtemp(pattern)) return {};
  own.dir = pattern;
  std::istringstream lines(
      ShellOutput("bash '" VANTOR_SOURCE_DIR "/tools/cups/private-cups.sh' start '" + own.dir.string() + "' 2>&1"));
  std::string server, pdfDir, all;
  for (std::string line; std::getline(lines, line);) {
    all += line + "\n";
    if (line.rfind("CUPS_SERVER=", 0) == 0) server = line.substr(12);
    if (line.rfind("CUPS_PDF_DIR=", 0) == 0) pdfDir = line.substr(13);
  }
  if (server.empty() || pdfDir.empty()) {
    ADD_FAILURE() << "The tests' print queue did not start:\n" << all;
    return {};
  }
  setenv("CUPS_SERVER", server.c_str(), 1);
  setenv("CUPS_PDF_DIR", pdfDir.c_str(), 1);
  return pdfDir;
}

}  // namespace

std::filesystem::path TestPrintQueuePdfDir() {
  static const std::filesystem::path dir = StartOwnQueue();
  return dir;
}

QueuedFiles QueuedPdfs() {
  QueuedFiles files;
  const std::filesystem::path dir = TestPrintQueuePdfDir();
  std::error_code error;
  if (!dir.empty())
    for (const auto& entry : std::filesystem::directory_iterator(dir, error))
      if (entry.path().extension() == ".pdf") files.insert(entry.path());
  return files;
}

std::filesystem::path WaitForNewQueuedPdf(const QueuedFiles& before, std::chrono::seconds limit) {
  const std::filesystem::path dir = TestPrintQueuePdfDir();
  if (dir.empty()) return {};
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
      if (before.count(entry.path()) || entry.path().extension() != ".pdf") continue;
      // Complete once the PDF reads and its size holds still.
      const auto size = std::filesystem::file_size(entry.path(), error);
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (!error && size > 0 && size == std::filesystem::file_size(entry.path(), error) &&
          PdfPageCount(entry.path()) > 0)
        return entry.path();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return {};
}

}  // namespace TestSupport
