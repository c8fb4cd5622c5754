#include "platform/gui/ImageDecodeCache.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gio/gio.h>
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/dialog.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/GuiTest.h"
#include "tests/support/TempDir.h"

namespace {

std::string Mark(const char* colour) {
  return std::string(
             "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
             "<path d='M2 8 L6 12 L14 3' stroke-width='2.5' fill='none' stroke='") +
         colour + "'/></svg>";
}

struct PixbufDeleter {
  void operator()(GdkPixbuf* p) const { g_object_unref(p); }
};
using Pixbuf = std::unique_ptr<GdkPixbuf, PixbufDeleter>;

std::string Pixels(GdkPixbuf* p) {
  const auto* bytes = reinterpret_cast<const char*>(gdk_pixbuf_read_pixels(p));
  return {bytes, gdk_pixbuf_get_byte_length(p)};
}

// As the toolkit decodes its recoloured theme pictures: from memory, at a size.
Pixbuf DecodeInMemory(const std::string& bytes, int size, GError** error = nullptr) {
  GInputStream* stream = g_memory_input_stream_new_from_data(g_memdup2(bytes.data(), bytes.size()),
                                                             static_cast<gssize>(bytes.size()), g_free);
  Pixbuf decoded(gdk_pixbuf_new_from_stream_at_scale(stream, size, size, TRUE, nullptr, error));
  g_object_unref(stream);
  return decoded;
}

Platform::ImageDecodeCounts Since(const Platform::ImageDecodeCounts& before) {
  const Platform::ImageDecodeCounts now = Platform::ImageDecodeCacheCounts();
  return {now.decoded - before.decoded, now.reused - before.reused};
}

}  // namespace

TEST(ImageDecodeCache, TheSameBytesAgain_GiveTheSamePixelsAsADecodeFromTheFile_InAPictureOfTheirOwn) {
  TestSupport::TempDir dir;
  const std::string mark = Mark("#3584e4");
  TestSupport::WriteFileBytes(dir.File("mark.svg"), mark);
  GError* error = nullptr;
  Pixbuf fromFile(gdk_pixbuf_new_from_file_at_scale(dir.File("mark.svg").c_str(), 14, 14, TRUE, &error));
  ASSERT_TRUE(fromFile) << (error ? error->message : "");

  const Platform::ImageDecodeCounts before = Platform::ImageDecodeCacheCounts();
  Pixbuf first = DecodeInMemory(mark, 14);
  Pixbuf second = DecodeInMemory(mark, 14);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(Since(before).decoded, 1u);
  EXPECT_EQ(Since(before).reused, 1u);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(Pixels(second.get()), Pixels(fromFile.get()));

  // A caller that paints over its answer changes no later answer.
  gdk_pixbuf_fill(second.get(), 0xff0000ff);
  Pixbuf third = DecodeInMemory(mark, 14);
  EXPECT_EQ(Pixels(third.get()), Pixels(fromFile.get()));

  // Other colours or another size are other bytes or another question.
  Pixbuf red = DecodeInMemory(Mark("#ff0000"), 14);
  Pixbuf larger = DecodeInMemory(mark, 28);
  EXPECT_NE(Pixels(red.get()), Pixels(first.get()));
  EXPECT_EQ(gdk_pixbuf_get_width(larger.get()), 28);
  EXPECT_EQ(Since(before).decoded, 3u);
}

TEST(ImageDecodeCache, BytesThatAreNoPicture_FailEveryTime_AndFilesAreNotKept) {
  const Platform::ImageDecodeCounts before = Platform::ImageDecodeCacheCounts();
  for (int attempt = 0; attempt < 2; ++attempt) {
    GError* error = nullptr;
    Pixbuf broken = DecodeInMemory("<svg this is not", 14, &error);
    EXPECT_FALSE(broken);
    ASSERT_NE(error, nullptr) << attempt;
    g_error_free(error);
  }

  TestSupport::TempDir dir;
  TestSupport::WriteFileBytes(dir.File("mark.svg"), Mark("#00ff00"));
  for (int attempt = 0; attempt < 2; ++attempt) {
    GFile* file = g_file_new_for_path(dir.File("mark.svg").c_str());
    GFileInputStream* stream = g_file_read(file, nullptr, nullptr);
    ASSERT_NE(stream, nullptr);
    Pixbuf decoded(gdk_pixbuf_new_from_stream_at_scale(G_INPUT_STREAM(stream), 14, 14, TRUE, nullptr, nullptr));
    EXPECT_TRUE(decoded);
    g_object_unref(stream);
    g_object_unref(file);
  }
  EXPECT_EQ(Since(before).decoded, 0u);
  EXPECT_EQ(Since(before).reused, 0u);
}

// The toolkit's own calls reach the cache: a dialog of ticked boxes decodes
// the theme's check mark once, not once per box.
TEST(ImageDecodeCache, TickedBoxesOfADialog_ReuseOneDecodeOfTheCheckMark) {
  constexpr int boxes = 40;
  auto* dialog = new wxDialog(nullptr, wxID_ANY, "Ticks", wxDefaultPosition, wxSize(400, 600));
  std::vector<wxCheckBox*> ticks;
  for (int i = 0; i < boxes; ++i)
    ticks.push_back(new wxCheckBox(dialog, wxID_ANY, "on", wxPoint(10 + 100 * (i % 4), 10 + 25 * (i / 4))));
  dialog->Show();
  TestSupport::PumpEvents();

  const Platform::ImageDecodeCounts before = Platform::ImageDecodeCacheCounts();
  for (wxCheckBox* tick : ticks) tick->SetValue(true);
  dialog->Refresh();
  dialog->Update();
  TestSupport::PumpEvents();
  const Platform::ImageDecodeCounts ticking = Since(before);
  EXPECT_GE(ticking.reused, static_cast<std::size_t>(boxes - 1));
  EXPECT_LE(ticking.decoded, 3u * 4u);  // a few per state at most
  dialog->Destroy();
  TestSupport::PumpEvents();
}
