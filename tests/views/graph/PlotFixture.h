#pragma once
// A node of the test catalogue's sparse type with three plotted series
// (temperature, a bit, humidity) and its recording file in a fresh folder,
// under a fixed time zone.
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/UnitTypes.h"
#include "network/nodes/Node.h"
#include "network/schedule/RecordingFiles.h"
#include "tests/support/ScopedTz.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestCatalogue.h"
#include "views/graph/PlotConstruction.h"

namespace TestSupport {

struct Sample {
  long t;
  double temper;
  bool bit;
  double humidity;
};

class PlotFixture {
 public:
  static constexpr int Address = 5;

  PlotFixture() {
    LoadNetworkTestCatalogue();
    node_.emplace(SparseFrameType);
    // Readable: 0 temperature, 2 a bit, 5 humidity.
    for (std::size_t p = 0; p < node_->OptPlt().size(); ++p) node_->OptPlt()[p] = {L"Label " + std::to_wstring(p), false};
    for (std::size_t p : {0u, 2u, 5u}) node_->OptPlt()[p].pltDefOpt_ = true;
    node_->Opt().nm_ = std::wstring(L"Cold room");
  }

  void Write(const std::vector<Sample>& samples) {
    const PardeloStravon::InstrPars readable = PardeloStravon::ReadablePars(node_->Type().Pars());
    const std::wstring path = PardeloStravon::MasterLogPath(dir_.Wide(), Address);
    WriteFileBytes(PardeloStravon::ToUtf8(path), "");
    for (const Sample& s : samples)
      PardeloStravon::AppendRecordLine(
          path, PardeloStravon::RecordLine(PardeloStravon::ReadingsSeparator,
                                           PardeloStravon::ToVUC(readable, {PardeloStravon::Temper(s.temper), s.bit,
                                                                            PardeloStravon::Humidity(s.humidity)}),
                                           s.t));
  }

  PardeloStravon::PlotHost Host(std::time_t from, std::time_t to, wxDC* dc, bool printing = false) {
    PardeloStravon::PlotHost h;
    h.node = &*node_;
    h.address = Address;
    h.folder = dir_.Wide();
    h.from = from;
    h.to = to;
    h.dc = dc;
    h.printing = printing;
    return h;
  }

  PardeloStravon::Node& NodeRef() { return *node_; }
  const TempDir& Dir() const { return dir_; }

 private:
  TempDir dir_;
  std::optional<PardeloStravon::Node> node_;
};

// Pixels of a bitmap, read once.
class Pixels {
 public:
  explicit Pixels(const wxBitmap& b) : image_(b.ConvertToImage()) {}
  wxColour At(int x, int y) const {
    return wxColour(image_.GetRed(x, y), image_.GetGreen(x, y), image_.GetBlue(x, y));
  }
  bool Near(int x, int y, const wxColour& c, int tolerance = 3) const {
    const wxColour p = At(x, y);
    return std::abs(p.Red() - c.Red()) <= tolerance && std::abs(p.Green() - c.Green()) <= tolerance &&
           std::abs(p.Blue() - c.Blue()) <= tolerance;
  }
  // Pixels of the colour within the rectangle.
  int Count(const wxRect& r, const wxColour& c, int tolerance = 40) const {
    int n = 0;
    for (int y = std::max(0, r.y); y < std::min(r.y + r.height, image_.GetHeight()); ++y)
      for (int x = std::max(0, r.x); x < std::min(r.x + r.width, image_.GetWidth()); ++x)
        if (Near(x, y, c, tolerance)) ++n;
    return n;
  }
  // Pixels of text in a red colour on the yellow or white background: the
  // green channel drops where the glyphs cover the pixel.
  int CountInk(const wxRect& r) const {
    int n = 0;
    for (int y = std::max(0, r.y); y < std::min(r.y + r.height, image_.GetHeight()); ++y)
      for (int x = std::max(0, r.x); x < std::min(r.x + r.width, image_.GetWidth()); ++x)
        if (image_.GetGreen(x, y) < 160 && image_.GetRed(x, y) - image_.GetGreen(x, y) > 60) ++n;
    return n;
  }
  const wxImage& Image() const { return image_; }

 private:
  wxImage image_;
};

}  // namespace TestSupport
