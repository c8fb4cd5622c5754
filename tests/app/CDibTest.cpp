#include <gtest/gtest.h>

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/BitmapResources.h"
#include "app/CDib.h"
#include "app/DibSection.h"
#include "tests/support/GuiTest.h"

namespace {

const wxColour Marker(255, 0, 255);

// The committed file, read by the toolkit on its own: what the program
// carries inside must show the same pixels.
wxImage SplashFromFile() {
  wxImage image;
  EXPECT_TRUE(image.LoadFile(VANTOR_SPLASH_BMP, wxBITMAP_TYPE_BMP));
  return image;
}

// A canvas filled with the marker colour, drawn on by `draw`.
wxImage DrawOnCanvas(wxSize size, const std::function<void(wxDC&)>& draw) {
  wxBitmap canvas(size, 24);
  {
    wxMemoryDC dc(canvas);
    dc.SetBackground(wxBrush(Marker));
    dc.Clear();
    draw(dc);
  }
  return canvas.ConvertToImage();
}

std::string PixelText(const wxImage& image, int x, int y) {
  return std::to_string(image.GetRed(x, y)) + "," + std::to_string(image.GetGreen(x, y)) + "," +
         std::to_string(image.GetBlue(x, y));
}

// Every canvas pixel inside the destination shows the source pixel under
// its centre; every pixel outside keeps the marker.
void ExpectNearestCopy(const wxImage& canvas, const wxImage& source, wxRect from, wxRect to) {
  int wrong = 0;
  for (int y = 0; y < canvas.GetHeight() && wrong < 5; ++y) {
    for (int x = 0; x < canvas.GetWidth() && wrong < 5; ++x) {
      std::string expected;
      if (to.Contains(x, y)) {
        const int sx = from.x + (2 * (x - to.x) + 1) * from.width / (2 * to.width);
        const int sy = from.y + (2 * (y - to.y) + 1) * from.height / (2 * to.height);
        expected = PixelText(source, sx, sy);
      } else {
        expected = "255,0,255";
      }
      const std::string got = PixelText(canvas, x, y);
      if (got != expected) {
        ADD_FAILURE() << "pixel " << x << "," << y << " is " << got << ", expected " << expected;
        ++wrong;
      }
    }
  }
}

TEST(CDibTest, SplashBitmap_LoadsWithItsSizeColourTableAndPalette) {
  CDib dib;
  ASSERT_TRUE(dib.Load(IDB_SPLASH));
  EXPECT_EQ(dib.GetSize(), wxSize(496, 142));
  EXPECT_EQ(dib.GetDescription().bmBitsPixel, 8);
  EXPECT_EQ(dib.GetDescription().bmWidthBytes, 496);

  std::vector<RgbQuad> table(300);
  ASSERT_EQ(dib.GetColorTable(table.data(), 300), 256u);
  table.resize(256);
  ASSERT_EQ(dib.GetPalette().GetEntryCount(), 256);
  for (int i = 0; i < 256; ++i) {
    const PaletteEntry& e = dib.GetPalette().GetEntries()[i];
    EXPECT_EQ((PaletteEntry{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0}), e) << "entry " << i;
  }
  RgbQuad few[3];
  EXPECT_EQ(dib.GetColorTable(few, 3), 3u);
  EXPECT_EQ(few[2], table[2]);

  // Every pixel's colour comes from the table.
  const wxImage image = SplashFromFile();
  for (int y = 0; y < image.GetHeight(); y += 7)
    for (int x = 0; x < image.GetWidth(); x += 5) {
      const RgbQuad q{image.GetBlue(x, y), image.GetGreen(x, y), image.GetRed(x, y), 0};
      EXPECT_NE(std::find(table.begin(), table.end(), q), table.end()) << "pixel " << x << "," << y;
    }
}

TEST(CDibTest, OtherResourceNumbers_FailAndLeaveTheObjectEmpty) {
  for (unsigned id : {0u, 1u, 150u, 152u, 0xFFFFu}) {
    CDib dib;
    ASSERT_TRUE(dib.Load(IDB_SPLASH));
    EXPECT_FALSE(dib.Load(id)) << id;
    EXPECT_EQ(dib.GetSize(), wxSize(0, 0)) << id;
    EXPECT_FALSE(dib.GetBitmap().IsOk()) << id;
    RgbQuad table[4];
    EXPECT_EQ(dib.GetColorTable(table, 4), 0u) << id;
  }
}

struct DrawCase {
  const char* name;
  wxSize canvas;
  std::optional<wxRect> dest;
  std::optional<wxRect> src;
  wxRect expectFrom;  // the part of the bitmap that must show
  wxRect expectTo;    // where it must show
};

const DrawCase DrawCases[] = {
    {"null-rects", {600, 200}, std::nullopt, std::nullopt, {0, 0, 496, 142}, {0, 0, 496, 142}},
    {"own-size", {496, 142}, wxRect(0, 0, 496, 142), wxRect(0, 0, 496, 142), {0, 0, 496, 142}, {0, 0, 496, 142}},
    {"own-size-moved", {600, 200}, wxRect(50, 30, 496, 142), std::nullopt, {0, 0, 496, 142}, {50, 30, 496, 142}},
    {"part-one-to-one", {300, 100}, wxRect(10, 20, 200, 60), wxRect(100, 20, 200, 60), {100, 20, 200, 60},
     {10, 20, 200, 60}},
    {"half-size", {300, 100}, wxRect(0, 0, 248, 71), std::nullopt, {0, 0, 496, 142}, {0, 0, 248, 71}},
    {"double-size", {992, 284}, wxRect(0, 0, 992, 284), std::nullopt, {0, 0, 496, 142}, {0, 0, 992, 284}},
};

TEST(CDibTest, Draw_CopiesOneToOneOrStretchesToTheNearestPixel) {
  CDib dib;
  ASSERT_TRUE(dib.Load(IDB_SPLASH));
  const wxImage source = SplashFromFile();
  for (const DrawCase& c : DrawCases) {
    SCOPED_TRACE(c.name);
    bool drawn = false;
    const wxImage canvas = DrawOnCanvas(c.canvas, [&](wxDC& dc) {
      drawn = dib.Draw(dc, c.dest ? &*c.dest : nullptr, c.src ? &*c.src : nullptr);
    });
    EXPECT_TRUE(drawn);
    canvas.SaveFile((TestSupport::ArtifactDir() / (std::string("cdib-") + c.name + ".png")).string(),
                    wxBITMAP_TYPE_PNG);
    ExpectNearestCopy(canvas, source, c.expectFrom, c.expectTo);
  }
}

TEST(CDibTest, Draw_RefusesRectanglesItCannotCopy) {
  CDib dib;
  ASSERT_TRUE(dib.Load(IDB_SPLASH));
  const struct {
    const char* name;
    wxRect dest;
    wxRect src;
  } cases[] = {
      {"source-past-the-right-edge", {0, 0, 100, 100}, {400, 0, 100, 100}},
      {"source-above-the-top", {0, 0, 100, 100}, {0, -1, 100, 100}},
      {"empty-source", {0, 0, 100, 100}, {0, 0, 0, 100}},
      {"empty-destination", {0, 0, 100, 0}, {0, 0, 100, 100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bool drawn = true;
    const wxImage canvas = DrawOnCanvas({120, 120}, [&](wxDC& dc) { drawn = dib.Draw(dc, &c.dest, &c.src); });
    EXPECT_FALSE(drawn);
    EXPECT_EQ(PixelText(canvas, 10, 10), "255,0,255");
  }
}

TEST(CDibTest, EmptyObject_DrawsNothingAndEmptiesTwiceWithoutHarm) {
  CDib loaded;
  ASSERT_TRUE(loaded.Load(IDB_SPLASH));
  loaded.DeleteObject();
  loaded.DeleteObject();
  CDib fresh;
  fresh.DeleteObject();
  for (CDib* dib : {&loaded, &fresh}) {
    EXPECT_EQ(dib->GetSize(), wxSize(0, 0));
    EXPECT_EQ(dib->GetDescription().bmBits, nullptr);
    EXPECT_TRUE(dib->GetPalette().IsEmpty());
    bool drawn = true;
    const wxImage canvas = DrawOnCanvas({50, 50}, [&](wxDC& dc) { drawn = dib->Draw(dc); });
    EXPECT_FALSE(drawn);
    EXPECT_EQ(PixelText(canvas, 0, 0), "255,0,255");
  }
  // Loading again after emptying works as the first time.
  EXPECT_TRUE(loaded.Load(IDB_SPLASH));
  EXPECT_EQ(loaded.GetSize(), wxSize(496, 142));
}

std::vector<unsigned char> TrueColourBmp(const wxImage& image) {
  wxImage copy = image;
  copy.SetOption(wxIMAGE_OPTION_BMP_FORMAT, wxBMP_24BPP);
  wxMemoryOutputStream out;
  EXPECT_TRUE(copy.SaveFile(out, wxBITMAP_TYPE_BMP));
  std::vector<unsigned char> bytes(out.GetSize());
  out.CopyTo(bytes.data(), bytes.size());
  return bytes;
}

TEST(CDibTest, TrueColourImage_HasNoColourTableAndGetsTheHalftonePalette) {
  wxImage image(40, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) image.SetRGB(x, y, x * 6, y * 8, (x + y) * 3);
  auto dib = ReadDibSection(TrueColourBmp(image));
  ASSERT_TRUE(dib);
  EXPECT_EQ(dib->bitsPerPixel, 24);
  EXPECT_TRUE(dib->colorTable.empty());

  CDib cdib;
  ASSERT_TRUE(cdib.Attach(std::move(*dib)));
  RgbQuad table[256];
  EXPECT_EQ(cdib.GetColorTable(table, 256), 0u);
  EXPECT_EQ(cdib.GetPalette().GetEntryCount(), 256);
  EXPECT_EQ(cdib.GetPalette().GetEntries(), HalftonePaletteEntries());
  CPalette other;
  EXPECT_TRUE(cdib.CreatePalette(other));
  EXPECT_EQ(other.GetEntries(), HalftonePaletteEntries());

  const wxImage canvas = DrawOnCanvas({40, 30}, [&](wxDC& dc) { EXPECT_TRUE(cdib.Draw(dc)); });
  ExpectNearestCopy(canvas, image, {0, 0, 40, 30}, {0, 0, 40, 30});
}

TEST(CDibTest, HalftonePalette_Holds256DistinctColours) {
  const auto& entries = HalftonePaletteEntries();
  ASSERT_EQ(entries.size(), 256u);
  for (std::size_t i = 0; i < entries.size(); ++i)
    for (std::size_t k = i + 1; k < entries.size(); ++k) ASSERT_FALSE(entries[i] == entries[k]) << i << " " << k;
}

// Damaged files are refused before the toolkit sees them.
TEST(CDibTest, ReadDibSection_RefusesDamagedFiles) {
  const auto good = BitmapResource(IDB_SPLASH);
  ASSERT_TRUE(ReadDibSection(good));
  auto with = [&](std::size_t at, std::vector<unsigned char> bytes) {
    std::vector<unsigned char> copy(good.begin(), good.end());
    std::copy(bytes.begin(), bytes.end(), copy.begin() + at);
    return copy;
  };
  const struct {
    const char* name;
    std::vector<unsigned char> bytes;
  } cases[] = {
      {"empty", {}},
      {"cut-in-the-header", std::vector<unsigned char>(good.begin(), good.begin() + 30)},
      {"not-a-bmp", with(0, {'P', 'K'})},
      {"pixels-past-the-end", with(10, {0xFF, 0xFF, 0xFF, 0x00})},
      {"colour-table-over-the-pixels", with(10, {0x00, 0x01, 0x00, 0x00})},
      {"core-header", with(14, {12, 0, 0, 0})},
  };
  for (const auto& c : cases) EXPECT_FALSE(ReadDibSection(c.bytes)) << c.name;
}

}  // namespace
