#pragma once
// The framework's main frame and templates with the real graph view, a new
// document under a test clock in a fresh folder, and instruments of the
// sparse test type (temperature, a bit, humidity plotted) whose recording
// files the test writes. The worker threads sleep for the whole test, so
// every tick is one the test emits.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/prntbase.h>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "document/gui/DocTemplates.h"
#include "foundation/core/Clock.h"
#include "network/DocSignal.h"
#include "tests/document/gui/FrameworkFixture.h"
#include "tests/support/ScopedTz.h"
#include "views/graph/GphView.h"

namespace PardeloStravon {
class Node;
}

namespace TestSupport {

struct Sample {
  long t;  // seconds since 1970
  double temper;
  bool bit;
  double humidity;
};

// The view services of the program for graphs; the rest as the double.
class GraphViews : public ViewsDouble {
 public:
  PardeloStravon::GphView* NewGraphic(PardeloStravon::QziDoc* doc, int address, std::time_t from, std::time_t to,
                                      bool follow, bool print) override;
  bool PrintGraphic(PardeloStravon::QziDoc* doc, int address, std::time_t from, std::time_t to) override;
};

class GraphFixture : public FrameworkFixture {
 protected:
  static constexpr std::time_t T0 = 1700000000;  // 2023-11-14 22:13:20 UTC

  static void SetUpTestSuite();
  PardeloStravon::TheAppIMFC::ViewClasses ViewClasses() const override;
  void SetUp() override;
  void TearDown() override;

  PardeloStravon::QziDoc& Doc() const { return *doc_; }
  // An active instrument named name at address, with periodic plot update
  // on, periodic print off; its recording file holds the samples.
  PardeloStravon::Node& AddInstrument(int address, const std::wstring& name, const std::vector<Sample>& samples);
  void WriteSamples(int address, const std::vector<Sample>& samples) const;
  // n samples a minute apart from T0, values rising.
  static std::vector<Sample> Minutes(int n, long start = T0);

  PardeloStravon::GphView* Open(int address, std::time_t from, std::time_t to, bool follow, bool print = false);
  // Draws the graph as its paint would, on a bitmap of its window's size.
  void Draw(PardeloStravon::GphView& view);
  // The PDF file of prints while the test runs.
  std::string PdfPath(const std::string& name) const;
  int GraphViewCount() const;
  // The print preview's frame last opened; null when none is open.
  static wxPreviewFrame* PreviewFrame();

  ScopedTz zone_{"Europe/Berlin"};
  std::optional<PardeloStravon::TestClock> clock_;
  GraphViews graphViews_;
  PardeloStravon::QziDoc* doc_ = nullptr;
};

}  // namespace TestSupport
