#include "platform/gui/ImageDecodeCache.h"

#include <dlfcn.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gio/gio.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace {

// Theme pictures are a few kilobytes; anything larger is not what the
// cache is for and is decoded each time as before.
constexpr std::size_t MaxEncodedBytes = 256 * 1024;
constexpr std::size_t MaxDecodedBytes = 256 * 256 * 4;
constexpr std::size_t MaxKeptBytes = 8 * 1024 * 1024;

class DecodeCache {
 public:
  // A copy, so that a caller changing its pixels changes no later answer.
  GdkPixbuf* Find(const std::string& key) {
    std::lock_guard lock(mutex_);
    const auto kept = pictures_.find(key);
    if (kept == pictures_.end()) return nullptr;
    GdkPixbuf* copy = gdk_pixbuf_copy(kept->second);
    if (copy != nullptr) ++counts_.reused;
    return copy;
  }

  void Keep(std::string key, GdkPixbuf* decoded) {
    if (decoded == nullptr) return;
    const std::size_t bytes = gdk_pixbuf_get_byte_length(decoded);
    if (bytes > MaxDecodedBytes) return;
    std::lock_guard lock(mutex_);
    if (keptBytes_ + bytes + key.size() > MaxKeptBytes) return;
    GdkPixbuf* copy = gdk_pixbuf_copy(decoded);
    if (copy == nullptr) return;
    keptBytes_ += bytes + key.size();
    if (!pictures_.emplace(std::move(key), copy).second) {
      g_object_unref(copy);
      return;
    }
    ++counts_.decoded;
  }

  Platform::ImageDecodeCounts Counts() {
    std::lock_guard lock(mutex_);
    return counts_;
  }

 private:
  std::mutex mutex_;
  std::unordered_map<std::string, GdkPixbuf*> pictures_;
  std::size_t keptBytes_ = 0;
  Platform::ImageDecodeCounts counts_;
};

// Never destroyed: the toolkit may decode while the program ends.
DecodeCache& Cache() {
  static DecodeCache* cache = new DecodeCache;
  return *cache;
}

template <typename Function>
Function RealEntry(const char* name) {
  void* entry = dlsym(RTLD_NEXT, name);
  if (entry == nullptr) {
    std::fprintf(stderr, "Vantor4: gdk-pixbuf has no %s\n", name);
    std::abort();
  }
  return reinterpret_cast<Function>(entry);
}

// The bytes of an in-memory stream, the stream left where it was. Other
// streams (files, pipes) may block or be large and are not read here.
std::optional<std::string> MemoryStreamBytes(GInputStream* stream) {
  if (!G_IS_MEMORY_INPUT_STREAM(stream)) return std::nullopt;
  GSeekable* seekable = G_SEEKABLE(stream);
  const goffset start = g_seekable_tell(seekable);
  std::string bytes;
  char chunk[16 * 1024];
  bool whole = false;
  while (bytes.size() <= MaxEncodedBytes) {
    const gssize n = g_input_stream_read(stream, chunk, sizeof chunk, nullptr, nullptr);
    if (n < 0) break;
    if (n == 0) {
      whole = true;
      break;
    }
    bytes.append(chunk, static_cast<std::size_t>(n));
  }
  if (!g_seekable_seek(seekable, start, G_SEEK_SET, nullptr, nullptr) || !whole) return std::nullopt;
  return bytes;
}

std::string SizedKey(char kind, int width, int height, gboolean keepAspect, const std::string& what) {
  return std::string(1, kind) + std::to_string(width) + 'x' + std::to_string(height) + (keepAspect ? 'k' : 'f') + ':' +
         what;
}

// As the real decode would, a reused answer leaves the stream read.
void SkipToEnd(GInputStream* stream) { g_seekable_seek(G_SEEKABLE(stream), 0, G_SEEK_END, nullptr, nullptr); }

}  // namespace

namespace Platform {

ImageDecodeCounts ImageDecodeCacheCounts() { return Cache().Counts(); }

}  // namespace Platform

extern "C" {

__attribute__((visibility("default"))) GdkPixbuf* gdk_pixbuf_new_from_stream(GInputStream* stream,
                                                                              GCancellable* cancellable,
                                                                              GError** error) {
  using Entry = GdkPixbuf* (*)(GInputStream*, GCancellable*, GError**);
  static const Entry real = RealEntry<Entry>("gdk_pixbuf_new_from_stream");
  const std::optional<std::string> bytes = MemoryStreamBytes(stream);
  if (!bytes) return real(stream, cancellable, error);
  std::string key = "n:" + *bytes;
  if (GdkPixbuf* kept = Cache().Find(key)) {
    SkipToEnd(stream);
    return kept;
  }
  GdkPixbuf* decoded = real(stream, cancellable, error);
  Cache().Keep(std::move(key), decoded);
  return decoded;
}

__attribute__((visibility("default"))) GdkPixbuf* gdk_pixbuf_new_from_stream_at_scale(
    GInputStream* stream, gint width, gint height, gboolean keepAspect, GCancellable* cancellable, GError** error) {
  using Entry = GdkPixbuf* (*)(GInputStream*, gint, gint, gboolean, GCancellable*, GError**);
  static const Entry real = RealEntry<Entry>("gdk_pixbuf_new_from_stream_at_scale");
  const std::optional<std::string> bytes = MemoryStreamBytes(stream);
  if (!bytes) return real(stream, width, height, keepAspect, cancellable, error);
  std::string key = SizedKey('s', width, height, keepAspect, *bytes);
  if (GdkPixbuf* kept = Cache().Find(key)) {
    SkipToEnd(stream);
    return kept;
  }
  GdkPixbuf* decoded = real(stream, width, height, keepAspect, cancellable, error);
  Cache().Keep(std::move(key), decoded);
  return decoded;
}

// Resources are compiled into the program and its libraries and never
// change while it runs, so their path names their bytes.
__attribute__((visibility("default"))) GdkPixbuf* gdk_pixbuf_new_from_resource(const char* path, GError** error) {
  using Entry = GdkPixbuf* (*)(const char*, GError**);
  static const Entry real = RealEntry<Entry>("gdk_pixbuf_new_from_resource");
  if (path == nullptr) return real(path, error);
  std::string key = std::string("r:") + path;
  if (GdkPixbuf* kept = Cache().Find(key)) return kept;
  GdkPixbuf* decoded = real(path, error);
  Cache().Keep(std::move(key), decoded);
  return decoded;
}

__attribute__((visibility("default"))) GdkPixbuf* gdk_pixbuf_new_from_resource_at_scale(const char* path, int width,
                                                                                         int height,
                                                                                         gboolean keepAspect,
                                                                                         GError** error) {
  using Entry = GdkPixbuf* (*)(const char*, int, int, gboolean, GError**);
  static const Entry real = RealEntry<Entry>("gdk_pixbuf_new_from_resource_at_scale");
  if (path == nullptr) return real(path, width, height, keepAspect, error);
  std::string key = SizedKey('r', width, height, keepAspect, path);
  if (GdkPixbuf* kept = Cache().Find(key)) return kept;
  GdkPixbuf* decoded = real(path, width, height, keepAspect, error);
  Cache().Keep(std::move(key), decoded);
  return decoded;
}

}  // extern "C"
