// The document's path is read by worker threads (the watchdog's script, the
// recording files) while Save As changes it on the GUI thread.
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>

#include "document/QziDocIStd.h"
#include "tests/support/DocumentFixture.h"

using namespace PardeloStravon;
using namespace DocumentTest;

namespace {

class DocPath : public DocumentFixture {};

TEST_F(DocPath, FolderReadByAWorkerIsAlwaysAWholeOldOrNewOne) {
  Make();
  QziDocIStd& doc = Std();
  EXPECT_EQ(GetDocDirectory(doc), L".");
  // Long enough that a torn copy could not pass for either.
  const std::wstring oldFolder = L"/plant/" + std::wstring(300, L'o');
  const std::wstring newFolder = L"/site/" + std::wstring(500, L'n');
  doc.SetDocPath(oldFolder + L"/net.qzid");
  std::atomic<bool> stop{false};
  std::set<std::wstring> seen;
  int wrong = 0;
  std::thread worker([&] {
    while (!stop) {
      const std::wstring folder = GetDocDirectory(doc);
      if (folder != oldFolder && folder != newFolder) ++wrong;
      seen.insert(folder);
    }
  });
  for (int i = 0; i < 20000; ++i) doc.SetDocPath((i % 2 ? oldFolder : newFolder) + L"/net.qzid");
  stop = true;
  worker.join();
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(doc.DocPathName(), oldFolder + L"/net.qzid");
}

}  // namespace
